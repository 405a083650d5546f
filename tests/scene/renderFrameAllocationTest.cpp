// renderFrame allocates nothing of its own: many frames drawn with Wine's real DirectDraw (the
// doubles record every call in strings and vectors, so they would allocate themselves), paced
// and unpaced, under a counting global operator new.
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "SceneDataFile.h"
#include "SceneStateReset.h"
#include "app/mainWindow.h"
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "scene/Scene.h"
#include "scene/starField.h"

namespace {

long allocations = 0;

} // namespace

void *operator new(std::size_t size) {
    ++allocations;
    if (void *block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void *block) noexcept {
    std::free(block);
}
void operator delete[](void *block) noexcept {
    std::free(block);
}
void operator delete(void *block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void *block, std::size_t) noexcept {
    std::free(block);
}

namespace {

constexpr int UNPACED_FRAMES = 1000;
constexpr int PACED_FRAMES = 30;
constexpr const char *DATA_FILE = "allocation.wad";

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The scene as the start-up leaves it, on a real window and a real windowed Display.
class RenderFrameAllocations : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSceneState();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = plainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Zorv2AllocationTest";
        RegisterClassA(&windowClass);
        mainWindow =
            CreateWindowExA(0, "Zorv2AllocationTest", "allocation test", WS_POPUP | WS_VISIBLE, 0,
                            0, 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, mainWindow);
        ASSERT_TRUE(writeFile(DATA_FILE, makeDemoDataFile(32, 8, 200, 100)));
        dataFile = new DataFile();
        ASSERT_EQ(RC_SUCCESS, dataFile->open(DATA_FILE));
        ballSprite = new Surface();
        starSprite = new Surface();
        logoSprite = new Surface();
        currentDisplay = new Display();
        toggleDisplayMode();
        ASSERT_NE(nullptr, currentDisplay->backBuffer) << "the windowed set-up failed";
        ASSERT_NE(nullptr, logoSprite->surface) << "the sprites did not load";
        seedStars();
    }

    void TearDown() override {
        framePacingEnabled = true;
        for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
            if (sprite && sprite->surface)
                sprite->surface->Release();
            delete sprite;
        }
        if (currentDisplay)
            currentDisplay->release();
        delete currentDisplay;
        delete dataFile;
        if (mainWindow)
            DestroyWindow(mainWindow);
        mainWindow = nullptr;
        resetSceneState();
    }
};

TEST_F(RenderFrameAllocations, NoneOverManyFramesPacedOrNot) {
    // The first frames may make what lives on, such as the pacer's timer.
    for (int frame = 0; frame < 3; ++frame)
        renderFrame();
    long before = allocations;
    framePacingEnabled = false;
    for (int frame = 0; frame < UNPACED_FRAMES; ++frame)
        renderFrame();
    framePacingEnabled = true;
    for (int frame = 0; frame < PACED_FRAMES; ++frame)
        renderFrame();
    EXPECT_EQ(0, allocations - before)
        << "allocations in " << UNPACED_FRAMES + PACED_FRAMES << " frames";
}

} // namespace
