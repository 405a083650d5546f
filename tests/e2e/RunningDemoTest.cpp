// The running demo as a user sees it: the scene moving in the window, the frame rate at the
// top-left, and the tune copied out to the temporary folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DemoProcess.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"
#include "WorkFolder.h"
#include "datafile/DataFile.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;

// Starts the demo beside its data file and, after the test, ends it with Escape.
class RunningDemo : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
        window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        if (!window) {
            return;
        }
        pressKey(window, VK_ESCAPE);
        DWORD exitCode = 0xDEAD;
        ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    Capture captureWindow() {
        RECT rect;
        GetWindowRect(window, &rect);
        return captureScreen(rect);
    }

    DemoProcess demo;
    HWND window = nullptr;
};

// How many pixels inside area satisfy the colour test.
template <typename ColourTest>
int countPixels(const Capture &capture, const RECT &area, ColourTest test) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            uint32_t pixel = capture.at(x, y);
            count += test((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        }
    }
    return count;
}

bool lit(int red, int green, int blue) {
    return red || green || blue;
}
// The balls are deep blue spheres; the stars are white or pale blue, so red tells them apart.
bool ballBlue(int red, int, int blue) {
    return blue > 120 && red < 90;
}
// The logo's letters are golden and red; nothing else in the scene is.
bool logoWarm(int red, int, int blue) {
    return red > 150 && blue < 110;
}

TEST_F(RunningDemo, ShowsTheMovingSceneAndItsFrameRate) {
    Sleep(3500); // the rate is first measured over a full second after the start
    Capture first = captureWindow();
    Sleep(300);
    Capture second = captureWindow();
    std::string folder = makeWorkFolder("RunningDemo");
    saveBmp(first, folder + "\\first.bmp");
    saveBmp(second, folder + "\\second.bmp");

    int rate = readFrameRate(first);
    // The display keeps its pace near the refresh rate: tens of frames, not hundreds.
    EXPECT_GE(rate, 30) << "Frame Rate text not found or too slow; see " << folder;
    EXPECT_LE(rate, 90);

    EXPECT_NE(first.pixels, second.pixels) << "the picture did not move";
    const RECT whole = {0, 0, 640, 480};
    int litPixels = countPixels(first, whole, lit);
    EXPECT_GT(litPixels, 2000) << "stars, balls and logo should light a good part of the screen";
    EXPECT_LT(litPixels, 640 * 480 / 2) << "the background is black";
    // Three 32 x 32 balls, even if two happen to overlap.
    EXPECT_GT(countPixels(first, whole, ballBlue), 800) << "the balls are missing";
    // A few seconds in, the logo is passing through the band around the middle row.
    const RECT logoBand = {0, 190, 640, 290};
    EXPECT_GT(countPixels(first, logoBand, logoWarm), 500) << "the logo is missing";
    EXPECT_EQ(countPixels(first, {0, 0, 640, 190}, logoWarm), 0) << "the logo strays";
}

TEST_F(RunningDemo, CopiesTheTuneToTheTemporaryFolderByteForByte) {
    DataFile wad;
    std::string wadPath = folderFromEnvironment("ZORV2_DEMO_DIR") + "\\Varev1.WAD";
    ASSERT_EQ(wad.open(wadPath.c_str()), RC_SUCCESS);
    int32_t size = wad.sizeOf("Zorvd.mid");
    ASSERT_GT(size, 0);
    std::vector<char> entry(static_cast<size_t>(size));
    FILE *stream = wad.find("Zorvd.mid");
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(fread(entry.data(), 1, entry.size(), stream), entry.size());

    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    EXPECT_EQ(readFile<std::vector<char>>(std::string(temporary) + "Zorvd.mid"), entry);
}

} // namespace
