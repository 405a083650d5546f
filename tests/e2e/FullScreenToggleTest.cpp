// Alt+Enter as a user presses it: exclusive full screen at 640 x 480 and the desktop's depth,
// then the window back in the middle of the desktop, with the animation going on throughout.
// And the desktop changing under the demo, with this program as the other program: another mode
// and back, the window minimised and restored, and in full screen the foreground lost to another
// window and given back by a second start; after each the demo draws again where it belongs.
// Display modes change only inside a Wine virtual desktop, so this runs there alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DemoProcess.h"
#include "DisplayMode.h"
#include "Keyboard.h"
#include "ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD SETTLE_MS = 1500;
// How long the demo may take to draw again after a change of the desktop.
constexpr DWORD RECOVERY_TIMEOUT_MS = 5000;
constexpr RECT FULL_SCREEN = {0, 0, 640, 480};

// Changes the desktop to mode's size and depth; true when it took.
bool changeMode(DEVMODEA mode) {
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    return ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
}

// Puts the desktop's mode back when the test ends, however it ends.
struct DesktopModeGuard {
    const DEVMODEA saved = currentMode();
    ~DesktopModeGuard() { changeMode(saved); }
};

// Waits until the picture moves where it belongs: in full screen at 640 x 480, else in the window
// centred on the screen as it is now. False when that is not so within RECOVERY_TIMEOUT_MS.
bool drawsAgain(HWND window, bool fullScreen) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < RECOVERY_TIMEOUT_MS; Sleep(100)) {
        DEVMODEA mode = currentMode();
        RECT place = {0, 0, static_cast<LONG>(mode.dmPelsWidth),
                      static_cast<LONG>(mode.dmPelsHeight)};
        if (!fullScreen) {
            GetWindowRect(window, &place);
        }
        const RECT expected = fullScreen ? FULL_SCREEN : centredWindowRect(mode);
        if (EqualRect(&place, &expected) && pictureMoves(expected)) {
            return true;
        }
    }
    return false;
}

// Shows another program's window in front for a while, handling its messages, then closes it.
void holdForegroundWithOtherWindow() {
    HWND other = CreateWindowExA(WS_EX_TOPMOST, "Static", "Another program", WS_POPUP | WS_VISIBLE,
                                 0, 0, 320, 240, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    for (DWORD start = GetTickCount(); GetTickCount() - start < SETTLE_MS; Sleep(20)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }
    DestroyWindow(other);
}

// Starts the demo and waits for its window to show and settle; null when it does not show.
HWND startDemo(DemoProcess &demo) {
    if (!demo.start(folderFromEnvironment("ZORV2_DEMO_DIR"))) {
        return nullptr;
    }
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    Sleep(SETTLE_MS);
    return window;
}

// Ends the demo with Escape and expects it to exit with 0.
void endDemo(DemoProcess &demo, HWND window) {
    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(FullScreenToggle, SwitchesToFullScreenAndBackCentred) {
    if (!std::getenv("ZORV2_E2E_VIRTUAL_DESKTOP")) {
        GTEST_SKIP() << "needs a Wine virtual desktop, where display modes can change";
    }
    DEVMODEA desktop = currentMode();
    // Run on a 16-bit screen (cmake/wine-run), the desktop must be one.
    if (const char *depth = std::getenv("ZORV2_WINE_DEPTH")) {
        ASSERT_EQ(desktop.dmBitsPerPel, std::string(depth) == "16" ? 16u : 32u);
    }
    DemoProcess demo;
    HWND window = startDemo(demo);
    ASSERT_NE(window, nullptr);

    pressAltEnter(window);
    EXPECT_TRUE(drawsAgain(window, true));
    EXPECT_EQ(currentMode().dmBitsPerPel, desktop.dmBitsPerPel);
    EXPECT_TRUE(demo.isRunning());

    pressAltEnter(window);
    EXPECT_TRUE(drawsAgain(window, false));
    EXPECT_EQ(currentMode().dmPelsWidth, desktop.dmPelsWidth);
    EXPECT_EQ(currentMode().dmPelsHeight, desktop.dmPelsHeight);
    endDemo(demo, window);
}

TEST(DesktopChange, DemoDrawsAgainAfterEachChange) {
    if (!std::getenv("ZORV2_E2E_VIRTUAL_DESKTOP")) {
        GTEST_SKIP() << "needs a Wine virtual desktop, where display modes can change";
    }
    DesktopModeGuard desktop;
    DemoProcess demo;
    HWND window = startDemo(demo);
    ASSERT_NE(window, nullptr);

    DEVMODEA smaller = desktop.saved;
    smaller.dmPelsWidth = 800;
    smaller.dmPelsHeight = 600;
    ASSERT_TRUE(changeMode(smaller));
    EXPECT_TRUE(drawsAgain(window, false)) << "after the change to 800 x 600";
    ASSERT_TRUE(changeMode(desktop.saved));
    EXPECT_TRUE(drawsAgain(window, false)) << "after the change back";

    ShowWindow(window, SW_MINIMIZE);
    Sleep(SETTLE_MS);
    ASSERT_TRUE(changeMode(smaller));
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(drawsAgain(window, false)) << "restored after a change while minimised";
    ASSERT_TRUE(changeMode(desktop.saved));
    EXPECT_TRUE(drawsAgain(window, false)) << "after the change back";

    pressAltEnter(window);
    ASSERT_TRUE(drawsAgain(window, true));
    holdForegroundWithOtherWindow();
    EXPECT_TRUE(IsIconic(window)) << "the other window took the foreground";
    // The user brings it back by starting it again: the second start restores it and ends.
    DemoProcess second;
    DWORD secondExit = 0xDEAD;
    ASSERT_TRUE(second.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    EXPECT_TRUE(second.waitForExit(EXIT_TIMEOUT_MS, secondExit));
    EXPECT_EQ(secondExit, 0u);
    EXPECT_TRUE(drawsAgain(window, true)) << "after losing the foreground and getting it back";
    pressAltEnter(window);
    EXPECT_TRUE(drawsAgain(window, false)) << "windowed again";
    endDemo(demo, window);
}

} // namespace
