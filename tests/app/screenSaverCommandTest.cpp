// The screen saver's command lines: what each starts, with which window, or its exit code. The
// window of a start is refused, so each ends right after it.
#include <gtest/gtest.h>

#include <string>

#include "app/screenSaver.h"
#include "app/screenSaverSettings.h"
#include "display/Display.h"
#include "doubles/FakeDDraw.h"
#include "doubles/FakeScreen.h"
#include "doubles/PlatformOverride.h"
#include "scene/SceneHost.h"

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

// The monitors of a virtual-screen row: the virtual screen's x, y, width and height, and the
// primary monitor's size.
const int *metrics;
int WINAPI rowMetrics(int index) {
    const int asked[] = {SM_XVIRTUALSCREEN,  SM_YVIRTUALSCREEN, SM_CXVIRTUALSCREEN,
                         SM_CYVIRTUALSCREEN, SM_CXSCREEN,       SM_CYSCREEN};
    for (int i = 0; i < 6; ++i) {
        if (asked[i] == index) {
            return metrics[i];
        }
    }
    return 0;
}
RECT created;
HWND WINAPI recordAndRefuseCreateWindowExA(DWORD, LPCSTR, LPCSTR, DWORD, int x, int y, int width,
                                           int height, HWND, HMENU, HINSTANCE, LPVOID) {
    created = {x, y, x + width, y + height};
    return nullptr;
}

TEST(ScreenSaverCommand, CoversTheVirtualScreenWithThePictureOnThePrimaryMonitor) {
    const struct {
        const char *name;
        int metrics[6];
        RECT window, picture;
    } rows[] = {
        {"one monitor", {0, 0, 1024, 768, 1024, 768}, {0, 0, 1024, 768}, {192, 144, 832, 624}},
        {"a second to the right",
         {0, 0, 2304, 1024, 1024, 768},
         {0, 0, 2304, 1024},
         {192, 144, 832, 624}},
        {"a second to the left",
         {-1280, 0, 3200, 1080, 1920, 1080},
         {-1280, 0, 1920, 1080},
         {320, 60, 1600, 1020}},
        {"a second above",
         {0, -1200, 1600, 1968, 1024, 768},
         {0, -1200, 1600, 768},
         {192, 144, 832, 624}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        {
            PlatformOverride table;
            metrics = row.metrics;
            table.set(&PlatformCalls::GetSystemMetrics, rowMetrics);
            table.set(&PlatformCalls::CreateMutexW, fakeCreateMutexW);
            table.set(&PlatformCalls::GetLastError, noLastError);
            table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
            table.set(&PlatformCalls::CreateWindowExA, recordAndRefuseCreateWindowExA);
            runScreenSaver(nullptr, "/s");
        }
        EXPECT_TRUE(EqualRect(&created, &row.window));
        // The picture as the windowed display puts it on the screen.
        FakeDDraw fake;
        FakeScreen screen(fake.log);
        screen.clientRect = {0, 0, row.window.right - row.window.left,
                             row.window.bottom - row.window.top};
        screen.clientOrigin = {row.window.left, row.window.top};
        Display display;
        display.pictureArea = sceneHost.pictureArea;
        ASSERT_EQ(RC_SUCCESS, display.setWindowed(HOST, 640, 480));
        display.present(0);
        ASSERT_EQ(1u, fake.log.callsOf("Blt").size());
        RECT picture = fake.log.callsOf("Blt")[0].rect;
        EXPECT_TRUE(EqualRect(&picture, &row.picture))
            << picture.left << "," << picture.top << "," << picture.right << "," << picture.bottom;
        display.release();
    }
    sceneHost = SceneHost();
}

// The registry's answer to the setting: its result and the value.
LONG settingResult;
DWORD settingValue;
LSTATUS WINAPI rowSetting(HKEY, LPCSTR, LPCSTR, DWORD, LPDWORD, PVOID data, LPDWORD) {
    *static_cast<DWORD *>(data) = settingValue;
    return settingResult;
}

TEST(ScreenSaverSetting, PlaysTheTuneOnlyForAValueOfOne) {
    const struct {
        LONG result;
        DWORD value;
        bool on;
    } rows[] = {
        {ERROR_FILE_NOT_FOUND, 1, false}, {ERROR_SUCCESS, 0, false}, {ERROR_SUCCESS, 1, true}};
    for (const auto &row : rows) {
        PlatformOverride table;
        table.set(&PlatformCalls::RegGetValueA, rowSetting);
        settingResult = row.result;
        settingValue = row.value;
        EXPECT_EQ(tuneSettingOn(), row.on) << row.result << " " << row.value;
    }
}

// The preview's message loop: the host goes at the first look at the queue; a loop that does not
// watch it gets the quit message, exit code 99, after 50 more looks.
bool hostAlive;
int looks;
BOOL WINAPI hostIsWindow(HWND window) {
    return window == HOST && hostAlive;
}
BOOL WINAPI emptyQueueUntilQuit(LPMSG, HWND, UINT, UINT, UINT) {
    hostAlive = false;
    return ++looks > 50;
}
BOOL WINAPI quitWith99(LPMSG message, HWND, UINT, UINT) {
    message->wParam = 99;
    return 0;
}
HWND WINAPI previewWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                          LPVOID) {
    return reinterpret_cast<HWND>(0x99);
}
DWORD WINAPI demoFolderProgram(HMODULE, LPWSTR path, DWORD) {
    // The tests run in the build's tests folder, beside its demo folder with the data file.
    wcscpy(path, L"..\\demo\\Zorv2Demo.scr");
    return static_cast<DWORD>(wcslen(path));
}
HRESULT WINAPI failDirectDrawCreate(GUID *, IDirectDraw **, IUnknown *) {
    return DDERR_GENERIC;
}
int WINAPI noBox(HWND, LPCSTR, LPCSTR, UINT) {
    return IDOK;
}
void WINAPI noQuit(int) {}

TEST(ScreenSaverCommand, PreviewEndsOnceItsHostIsGone) {
    PlatformOverride table;
    table.set(&PlatformCalls::IsWindow, hostIsWindow);
    table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
    table.set(&PlatformCalls::CreateWindowExA, previewWindow);
    table.set(&PlatformCalls::GetModuleFileNameW, demoFolderProgram);
    table.set(&PlatformCalls::DirectDrawCreate, failDirectDrawCreate);
    table.set(&PlatformCalls::MessageBoxA, noBox);
    table.set(&PlatformCalls::PostQuitMessage, noQuit);
    table.set(&PlatformCalls::PeekMessageA, emptyQueueUntilQuit);
    table.set(&PlatformCalls::GetMessageA, quitWith99);
    hostAlive = true;
    looks = 0;
    EXPECT_EQ(runScreenSaver(nullptr, "/p 1234"), 0);
    EXPECT_EQ(looks, 1) << "the preview did not start its loop, or did not watch its host";
    sceneHost = SceneHost();
}

} // namespace
