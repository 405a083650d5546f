// Alt+Enter as a user presses it: exclusive full screen at 640 x 480 and the desktop's depth,
// then the window back in the middle of the desktop, with the animation going on throughout.
// Display modes change only inside a Wine virtual desktop, so this runs there alone.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DemoProcess.h"
#include "DisplayMode.h"
#include "Keyboard.h"
#include "ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD SETTLE_MS = 1500;

TEST(FullScreenToggle, SwitchesToFullScreenAndBackCentred) {
    if (!std::getenv("ZORV2_E2E_VIRTUAL_DESKTOP")) {
        GTEST_SKIP() << "needs a Wine virtual desktop, where display modes can change";
    }
    DEVMODEA desktop = currentMode();
    DemoProcess demo;
    ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);
    Sleep(SETTLE_MS);

    pressAltEnter(window);
    Sleep(SETTLE_MS);
    DEVMODEA fullScreen = currentMode();
    EXPECT_EQ(fullScreen.dmPelsWidth, 640u);
    EXPECT_EQ(fullScreen.dmPelsHeight, 480u);
    EXPECT_EQ(fullScreen.dmBitsPerPel, desktop.dmBitsPerPel);
    EXPECT_TRUE(demo.isRunning());
    EXPECT_TRUE(pictureMoves({0, 0, 640, 480}));

    pressAltEnter(window);
    Sleep(SETTLE_MS);
    DEVMODEA windowed = currentMode();
    EXPECT_EQ(windowed.dmPelsWidth, desktop.dmPelsWidth);
    EXPECT_EQ(windowed.dmPelsHeight, desktop.dmPelsHeight);
    RECT rect = {};
    GetWindowRect(window, &rect);
    const RECT centred = centredWindowRect(desktop);
    EXPECT_EQ(rect.left, centred.left);
    EXPECT_EQ(rect.top, centred.top);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);
    EXPECT_TRUE(pictureMoves(rect));

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
