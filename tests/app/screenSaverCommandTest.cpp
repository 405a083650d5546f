// The screen saver's command lines: what each starts, with which window, or its exit code. The
// window of a start is refused, so each ends right after it.
#include <gtest/gtest.h>

#include <string>

#include "app/screenSaver.h"
#include "doubles/PlatformOverride.h"

namespace {

const HWND HOST = reinterpret_cast<HWND>(1234);
const HWND OWNER = reinterpret_cast<HWND>(5678);
std::string started; // "run", "preview" or "settings"
HWND startedWith;

BOOL WINAPI fakeIsWindow(HWND window) {
    return window == HOST || window == OWNER;
}
// Its own one-at-a-time rule: a running demo does not keep the screen saver away.
HANDLE WINAPI fakeCreateMutexW(LPSECURITY_ATTRIBUTES, BOOL, LPCWSTR name) {
    EXPECT_STREQ(name, L"Local\\Zorv2Demo.ScreenSaver");
    return reinterpret_cast<HANDLE>(0x77);
}
DWORD WINAPI noLastError() {
    return ERROR_SUCCESS;
}
ATOM WINAPI fakeRegisterClassA(const WNDCLASSA *) {
    return 1;
}
HWND WINAPI refuseCreateWindowExA(DWORD, LPCSTR, LPCSTR, DWORD style, int, int, int, int,
                                  HWND parent, HMENU, HINSTANCE, LPVOID) {
    started = style & WS_CHILD ? "preview" : "run";
    startedWith = parent;
    return nullptr;
}
INT_PTR WINAPI fakeDialogBoxParamA(HINSTANCE, LPCSTR, HWND owner, DLGPROC, LPARAM) {
    started = "settings";
    startedWith = owner;
    return IDCANCEL;
}

TEST(ScreenSaverCommand, StartsWhatTheCommandLineAsksForOrEndsWithItsCode) {
    const struct {
        const char *commandLine;
        const char *started;
        HWND window;
        int exitCode;
    } cases[] = {
        {"/s", "run", nullptr, 0},
        {"-S", "run", nullptr, 0},
        {"/p 1234", "preview", HOST, EXIT_NO_PREVIEW_WINDOW},
        {"/P:1234", "preview", HOST, EXIT_NO_PREVIEW_WINDOW},
        {"/c", "settings", nullptr, 0},
        {"/c:5678", "settings", OWNER, 0},
        {"", "settings", nullptr, 0},
        {"/x", "settings", nullptr, 0},
        {"/p", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
        {"/p abc", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
        {"/p 99999999999999999999", "", nullptr, EXIT_NO_PREVIEW_WINDOW},
        {"/p 4321", "", nullptr, EXIT_NO_PREVIEW_WINDOW}, // not a window
    };
    for (const auto &c : cases) {
        PlatformOverride table;
        table.set(&PlatformCalls::IsWindow, fakeIsWindow);
        table.set(&PlatformCalls::CreateMutexW, fakeCreateMutexW);
        table.set(&PlatformCalls::GetLastError, noLastError);
        table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
        table.set(&PlatformCalls::CreateWindowExA, refuseCreateWindowExA);
        table.set(&PlatformCalls::DialogBoxParamA, fakeDialogBoxParamA);
        started.clear();
        startedWith = nullptr;

        EXPECT_EQ(runScreenSaver(nullptr, c.commandLine), c.exitCode) << c.commandLine;
        EXPECT_EQ(started, c.started) << c.commandLine;
        EXPECT_EQ(startedWith, c.window) << c.commandLine;
    }
}

} // namespace
