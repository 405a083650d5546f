// The desktop changing under the running demo, with this program as the other program: another
// display mode and back, minimising and restoring the window, and, in full screen, losing the
// foreground to another window and getting it back. After each step the picture must move again
// where it belongs. Display modes change only inside a Wine virtual desktop, so this runs there.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "DemoProcess.h"
#include "DisplayMode.h"
#include "Keyboard.h"
#include "ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD SETTLE_MS = 1500;
// How long a step may take before the demo counts as not drawing again.
constexpr DWORD RECOVERY_TIMEOUT_MS = 5000;
constexpr DWORD POLL_MS = 100;
constexpr RECT FULL_SCREEN = {0, 0, 640, 480};

// Puts the desktop's mode back when the test ends, however it ends.
struct DesktopModeGuard {
    const DEVMODEA saved = currentMode();
    ~DesktopModeGuard() { change(saved); }
    // Changes the desktop to mode's size and depth; true when it took.
    static bool change(DEVMODEA mode) {
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
        return ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
    }
};

// Waits until the demo's picture moves where it belongs: full screen in 640 x 480, or windowed
// and centred on the screen as it is now. Says what it saw last when the wait runs out.
::testing::AssertionResult drawsAgain(HWND window, bool fullScreen) {
    DWORD start = GetTickCount();
    for (;;) {
        DEVMODEA mode = currentMode();
        RECT place = {0, 0, static_cast<LONG>(mode.dmPelsWidth),
                      static_cast<LONG>(mode.dmPelsHeight)};
        if (!fullScreen) {
            GetWindowRect(window, &place);
        }
        const RECT expected = fullScreen ? FULL_SCREEN : centredWindowRect(mode);
        bool moving = pictureMoves(expected);
        DWORD took = GetTickCount() - start;
        if (moving && EqualRect(&place, &expected)) {
            // Measured, not judged: how soon the demo showed a moving picture again.
            std::printf("drawing again after %lu ms\n", static_cast<unsigned long>(took));
            return ::testing::AssertionSuccess();
        }
        if (took > RECOVERY_TIMEOUT_MS) {
            return ::testing::AssertionFailure()
                   << "not drawing where it belongs after " << took << " ms: (" << place.left
                   << ", " << place.top << ")-(" << place.right << ", " << place.bottom
                   << ") instead of (" << expected.left << ", " << expected.top << ")-("
                   << expected.right << ", " << expected.bottom << "), picture "
                   << (moving ? "moving" : "still");
        }
        Sleep(POLL_MS);
    }
}

// Shows another program's window in front and keeps it there a while, handling its messages.
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

TEST(DesktopChange, DemoDrawsAgainAfterEachChange) {
    if (!std::getenv("ZORV2_E2E_VIRTUAL_DESKTOP")) {
        GTEST_SKIP() << "needs a Wine virtual desktop, where display modes can change";
    }
    DesktopModeGuard desktop;
    DemoProcess demo;
    ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);
    Sleep(SETTLE_MS);
    ASSERT_TRUE(drawsAgain(window, false));

    DEVMODEA smaller = desktop.saved;
    smaller.dmPelsWidth = 800;
    smaller.dmPelsHeight = 600;
    ASSERT_TRUE(DesktopModeGuard::change(smaller));
    EXPECT_TRUE(drawsAgain(window, false)) << "after the change to 800 x 600";
    ASSERT_TRUE(DesktopModeGuard::change(desktop.saved));
    EXPECT_TRUE(drawsAgain(window, false)) << "after the change back";

    ShowWindow(window, SW_MINIMIZE);
    Sleep(SETTLE_MS);
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(drawsAgain(window, false)) << "after minimising and restoring";

    pressAltEnter(window);
    ASSERT_TRUE(drawsAgain(window, true));
    holdForegroundWithOtherWindow();
    EXPECT_TRUE(IsIconic(window)) << "the other window took the foreground";
    // Back as a user brings it back, from the taskbar.
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    EXPECT_TRUE(drawsAgain(window, true)) << "after losing the foreground and getting it back";
    pressAltEnter(window);
    EXPECT_TRUE(drawsAgain(window, false)) << "windowed again";

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
