#include "app/runningDemo.h"

#include <windows.h>

#include "app/mainWindow.h"
#include "platform/PlatformCalls.h"

namespace {

// A name in the session's own namespace: another user's demo is not this user's.
constexpr const wchar_t *RUNNING_DEMO_NAME = L"Local\\Zorv2Demo.Running";
// How often, and how far apart, to look for the window of a demo that is still starting: 1 s.
constexpr int WINDOW_LOOKS = 20;
constexpr DWORD WINDOW_LOOK_INTERVAL_MS = 50;

// The running instance's window, looked for until it appears or the looks run out; null then.
HWND findRunningWindow(const char *windowClass) {
    for (int look = 1;; ++look) {
        HWND window = platform.FindWindowA(windowClass, nullptr);
        if (window != nullptr || look == WINDOW_LOOKS) {
            return window;
        }
        platform.Sleep(WINDOW_LOOK_INTERVAL_MS);
    }
}

} // namespace

bool handOverToRunningInstance(const wchar_t *runningName, const char *windowClass) {
    // The handle stays open until the process ends, which keeps the name claimed while this
    // instance runs. A name that cannot be made at all stops no one from starting.
    HANDLE running = platform.CreateMutexW(nullptr, FALSE, runningName);
    if (running == nullptr || platform.GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;
    }
    HWND window = findRunningWindow(windowClass);
    if (window != nullptr) {
        // A full-screen demo that lost the foreground was minimised; restored, it is full
        // screen again.
        if (platform.IsIconic(window)) {
            platform.ShowWindow(window, SW_RESTORE);
        }
        platform.SetForegroundWindow(window);
    }
    return true;
}

bool handOverToRunningDemo() {
    return handOverToRunningInstance(RUNNING_DEMO_NAME, MAIN_WINDOW_TITLE);
}
