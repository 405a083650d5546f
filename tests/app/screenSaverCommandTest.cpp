// The screen saver's command lines: what each starts, with which window, and the exit code. The
// window of a start is refused, so each ends right after it.
#include <gtest/gtest.h>

#include <string>

#include "app/screenSaver.h"
#include "doubles/PlatformOverride.h"
#include "resources/resourceIds.h"

namespace {

const HWND HOST = reinterpret_cast<HWND>(1234);
const HWND OWNER = reinterpret_cast<HWND>(5678);
constexpr LONG HOST_WIDTH = 152, HOST_HEIGHT = 112;

struct Started {
    std::string what; // "run", "preview", "settings", or empty
    HWND window = nullptr;
    std::wstring runningName;
};
Started started;

BOOL WINAPI fakeIsWindow(HWND window) {
    return window == HOST || window == OWNER;
}
HANDLE WINAPI fakeCreateMutexW(LPSECURITY_ATTRIBUTES, BOOL, LPCWSTR name) {
    started.runningName = name;
    return reinterpret_cast<HANDLE>(0x77);
}
DWORD WINAPI noLastError() {
    return ERROR_SUCCESS;
}
ATOM WINAPI fakeRegisterClassA(const WNDCLASSA *windowClass) {
    EXPECT_STREQ(windowClass->lpszClassName, "Zorv2 Demo screen saver");
    return 1;
}
BOOL WINAPI fakeGetClientRect(HWND, RECT *rect) {
    *rect = {0, 0, HOST_WIDTH, HOST_HEIGHT};
    return TRUE;
}
HWND WINAPI refuseCreateWindowExA(DWORD exStyle, LPCSTR, LPCSTR, DWORD style, int x, int y,
                                  int width, int height, HWND parent, HMENU, HINSTANCE, LPVOID) {
    if (parent == nullptr) {
        started.what = "run";
        EXPECT_EQ(exStyle & WS_EX_TOPMOST, static_cast<DWORD>(WS_EX_TOPMOST));
        EXPECT_EQ(style, static_cast<DWORD>(WS_POPUP));
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
        EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
    } else {
        started.what = "preview";
        EXPECT_EQ(style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(width, HOST_WIDTH);
        EXPECT_EQ(height, HOST_HEIGHT);
    }
    started.window = parent;
    return nullptr;
}
INT_PTR WINAPI fakeDialogBoxParamA(HINSTANCE, LPCSTR dialog, HWND owner, DLGPROC, LPARAM) {
    EXPECT_EQ(dialog, MAKEINTRESOURCEA(IDD_SCREEN_SAVER_SETTINGS));
    started = {"settings", owner, {}};
    return IDCANCEL;
}

TEST(ScreenSaverCommand, StartsWhatTheCommandLineAsksForOrEndsWithItsCode) {
    struct Case {
        const char *commandLine;
        const char *started;
        HWND window;
        int exitCode;
    };
    const Case cases[] = {
        {"/s", "run", nullptr, 0},
        {"-S", "run", nullptr, 0},
        {"/p 1234", "preview", HOST, EXIT_NO_PREVIEW_WINDOW},
        {"/P:1234", "preview", HOST, EXIT_NO_PREVIEW_WINDOW},
        {"/c", "settings", nullptr, 0},
        {"/c:5678", "settings", OWNER, 0},
        {"", "settings", nullptr, 0},
        {"/x", "settings", nullptr, 0},
        {"/c:4321", "settings", nullptr, 0},
        {"/p", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
        {"/p abc", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
        {"/p 99999999999999999999", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
        {"/p 4321", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
    };
    for (const Case &c : cases) {
        PlatformOverride table;
        table.set(&PlatformCalls::IsWindow, fakeIsWindow);
        table.set(&PlatformCalls::CreateMutexW, fakeCreateMutexW);
        table.set(&PlatformCalls::GetLastError, noLastError);
        table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
        table.set(&PlatformCalls::GetClientRect, fakeGetClientRect);
        table.set(&PlatformCalls::CreateWindowExA, refuseCreateWindowExA);
        table.set(&PlatformCalls::DialogBoxParamA, fakeDialogBoxParamA);
        started = {};

        EXPECT_EQ(runScreenSaver(GetModuleHandleA(nullptr), c.commandLine), c.exitCode)
            << c.commandLine;

        EXPECT_EQ(started.what, c.started) << c.commandLine;
        EXPECT_EQ(started.window, c.window) << c.commandLine;
        // Its own one-at-a-time rule: a running demo does not keep the screen saver away.
        bool running = started.what == "run";
        EXPECT_EQ(started.runningName == L"Local\\Zorv2Demo.ScreenSaver", running) << c.commandLine;
    }
}

} // namespace
