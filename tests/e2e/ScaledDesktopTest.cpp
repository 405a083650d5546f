// The demo on a desktop scaled to 200 % (a Wine prefix at 192 DPI, on a screen large enough):
// its window is twice the size, centred, and shows the picture with every pixel a 2 x 2 block,
// moving at the display's pace.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DemoProcess.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"
#include "WorkFolder.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
// The rate is first measured a second after the start; the start itself may take seconds.
constexpr DWORD RATE_TIMEOUT_MS = 15000;
constexpr DWORD RATE_POLL_MS = 250;
constexpr int SCALE = 2;

// The capture with one pixel of each SCALE x SCALE block: the picture at the size it is drawn.
Capture onePixelPerBlock(const Capture &capture) {
    Capture picture;
    picture.width = capture.width / SCALE;
    picture.height = capture.height / SCALE;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(capture.at(x * SCALE, y * SCALE));
        }
    }
    return picture;
}

// How many SCALE x SCALE blocks of the capture hold more than one colour.
int mixedBlocks(const Capture &capture) {
    int mixed = 0;
    for (int y = 0; y + SCALE <= capture.height; y += SCALE) {
        for (int x = 0; x + SCALE <= capture.width; x += SCALE) {
            bool uniform = true;
            for (int dy = 0; dy < SCALE; ++dy) {
                for (int dx = 0; dx < SCALE; ++dx) {
                    uniform = uniform && capture.at(x + dx, y + dy) == capture.at(x, y);
                }
            }
            mixed += uniform ? 0 : 1;
        }
    }
    return mixed;
}

TEST(ScaledDesktop, TheWindowIsTwiceAsLargeCentredAndEveryPixelABlock) {
    if (!std::getenv("ZORV2_E2E_SCALED_DESKTOP")) {
        GTEST_SKIP() << "needs a prefix at 192 DPI; ctest's e2e_scaled_desktop runs this";
    }
    // The real pixels, not the ones Wine scales down for a program that is not DPI-aware.
    SetProcessDPIAware();
    DemoProcess demo;
    ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);

    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, SCALE * 640);
    EXPECT_EQ(rect.bottom - rect.top, SCALE * 480);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - SCALE * 320);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - SCALE * 240);

    Capture capture;
    int rate = -1;
    for (DWORD start = GetTickCount(); rate < 59 && GetTickCount() - start < RATE_TIMEOUT_MS;) {
        Sleep(RATE_POLL_MS);
        capture = captureScreen(rect);
        rate = readFrameRate(onePixelPerBlock(capture));
    }
    std::string folder = makeWorkFolder("ScaledDesktop");
    saveBmp(capture, folder + "\\window.bmp");
    EXPECT_GE(rate, 59) << "Frame Rate text not found or too slow; see " << folder;
    EXPECT_LE(rate, 60);
    EXPECT_EQ(mixedBlocks(capture), 0) << "see " << folder;
    EXPECT_TRUE(pictureMoves(rect)) << "the picture did not move";

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode)) << "the demo did not end on Escape";
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
