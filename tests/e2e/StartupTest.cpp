// The demo starts as a user sees it: one centred borderless 640 x 480 window; Escape ends it
// with exit code 0.
#include <gtest/gtest.h>

#include "DemoProcess.h"
#include "Keyboard.h"

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

} // namespace
