// The demo starts as a user sees it: one centred borderless 640 x 480 window, twice that on a
// desktop scaled to 200 %; Escape ends it with exit code 0.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DemoProcess.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;

TEST(Startup, OpensTheCentredBorderlessWindowAndEndsOnEscape) {
    DemoProcess demo;
    ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr) << "no window of class \"" << DEMO_WINDOW_CLASS << "\"";

    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "Zorv2 Demo. Try ALT+ENTER :)");

    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 192);
    EXPECT_EQ(rect.top, 144);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);

    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP) << std::hex << style;
    EXPECT_EQ(style & WS_CAPTION, 0) << std::hex << style;
    EXPECT_EQ(style & WS_THICKFRAME, 0) << std::hex << style;
    EXPECT_TRUE(IsWindowVisible(window));

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode)) << "the demo did not end on Escape";
    EXPECT_EQ(exitCode, 0u);
}

TEST(Startup, OnAScaledDesktopTheWindowIsTwiceAsLargeAndEachPixelABlock) {
    if (!std::getenv("ZORV2_E2E_SCALED_DESKTOP")) {
        GTEST_SKIP() << "needs a prefix at 192 DPI; ctest's e2e_scaled_desktop runs this";
    }
    SetProcessDPIAware(); // real pixels, not those Wine scales for a program unaware of the DPI
    DemoProcess demo;
    ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 640);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 480);
    ASSERT_EQ(rect.right - rect.left, 1280);
    ASSERT_EQ(rect.bottom - rect.top, 960);

    int rate = -1, mixed = 0;
    for (int look = 0; look < 60 && rate < 59; ++look) { // the rate needs a second to show
        Sleep(250);
        Capture capture = captureScreen(rect), picture = {640, 480, {}};
        mixed = 0;
        for (int y = 0; y < 960; ++y) {
            for (int x = 0; x < 1280; ++x) {
                // Each pixel against its block's top-left one, which alone goes into picture.
                mixed += capture.at(x, y) != capture.at(x & ~1, y & ~1) ? 1 : 0;
                if (((x | y) & 1) == 0) {
                    picture.pixels.push_back(capture.at(x, y));
                }
            }
        }
        rate = readFrameRate(picture);
    }
    EXPECT_EQ(mixed, 0) << "pixels unlike the rest of their 2 x 2 block";
    EXPECT_GE(rate, 59) << "Frame Rate text not found or too slow";
    EXPECT_LE(rate, 60);
    EXPECT_TRUE(pictureMoves(rect)); // the demo ends with the test (DemoProcess)
}

} // namespace
