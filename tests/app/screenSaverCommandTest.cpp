// The screen saver's command lines: what each starts, with which window, or its exit code. The
// window of a start is refused, so each ends right after it.
#include <gtest/gtest.h>

#include <string>

#include <direct.h>

#include "app/screenSaver.h"
#include "app/screenSaverSettings.h"
#include "display/pictureRect.h"
#include "doubles/MciRecorder.h"
#include "doubles/PlatformOverride.h"
#include "scene/SceneHost.h"

namespace {

const HWND HOST = reinterpret_cast<HWND>(1234);
const HWND OWNER = reinterpret_cast<HWND>(5678);
std::string started; // "run", "preview" or "settings"
HWND startedWith;

bool hostAlive = true; // false once the preview's host is gone
BOOL WINAPI fakeIsWindow(HWND window) {
    return (window == HOST && hostAlive) || window == OWNER;
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
RECT created;
HWND createdWindow = nullptr; // what CreateWindowExA answers: none, unless a test makes one
HWND WINAPI refuseCreateWindowExA(DWORD, LPCSTR, LPCSTR, DWORD style, int x, int y, int width,
                                  int height, HWND parent, HMENU, HINSTANCE, LPVOID) {
    created = {x, y, x + width, y + height};
    started = style & WS_CHILD ? "preview" : "run";
    startedWith = parent;
    return createdWindow;
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

// The registry's answer to the setting: its result and the value.
LONG settingResult;
DWORD settingValue;
LSTATUS WINAPI rowSetting(HKEY, LPCSTR, LPCSTR, DWORD, LPDWORD, PVOID data, LPDWORD) {
    *static_cast<DWORD *>(data) = settingValue;
    return settingResult;
}

// The preview's message loop: the host goes at the first look at the queue; a loop that does not
// watch it gets the quit message, exit code 99, after 50 more looks.
int looks;
BOOL WINAPI emptyQueueUntilQuit(LPMSG, HWND, UINT, UINT, UINT) {
    hostAlive = false;
    return ++looks > 50;
}
BOOL WINAPI quitWith99(LPMSG message, HWND, UINT, UINT) {
    message->wParam = 99;
    return 0;
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

// The pointer's display count, as ShowCursor keeps it: below 0 it is hidden.
int pointerCount;
int WINAPI countShowCursor(BOOL show) {
    return pointerCount += show ? 1 : -1;
}
// The preview's host: its client area.
const RECT HOST_AREA = {0, 0, 320, 240};
BOOL WINAPI hostClientArea(HWND, LPRECT area) {
    *area = HOST_AREA;
    return TRUE;
}

// Lets a start run on through the scene's start-up into its message loop: its window is made,
// the data file is the build's, no display is set up, the setting asks for the tune, and the
// tune's copy is made in a folder of the test's, but it does not play.
void runOnThroughTheStart(PlatformOverride &table) {
    _mkdir("saver-temp");
    FakeTempPath::install(table, ".\\saver-temp\\");
    MciRecorder::install(table);
    MciRecorder::failingCall = 2; // the play
    settingResult = ERROR_SUCCESS;
    settingValue = 1;
    table.set(&PlatformCalls::RegGetValueA, rowSetting);
    table.set(&PlatformCalls::IsWindow, fakeIsWindow);
    table.set(&PlatformCalls::GetClientRect, hostClientArea);
    table.set(&PlatformCalls::ShowCursor, countShowCursor);
    table.set(&PlatformCalls::GetModuleFileNameW, demoFolderProgram);
    table.set(&PlatformCalls::DirectDrawCreate, failDirectDrawCreate);
    table.set(&PlatformCalls::MessageBoxA, noBox);
    table.set(&PlatformCalls::PostQuitMessage, noQuit);
    table.set(&PlatformCalls::PeekMessageA, emptyQueueUntilQuit);
    table.set(&PlatformCalls::GetMessageA, quitWith99);
    createdWindow = reinterpret_cast<HWND>(0x99);
    pointerCount = 0;
    looks = 0;
}

// Puts back what runOnThroughTheStart changed outside the table.
void endTheStart() {
    createdWindow = nullptr;
    hostAlive = true;
    sceneHost = SceneHost();
}

// The monitors of a virtual-screen row: the virtual screen, where the window must go, and the
// primary monitor's size.
RECT virtualScreen;
SIZE primary;
int WINAPI rowMetrics(int index) {
    const int asked[] = {SM_XVIRTUALSCREEN,  SM_YVIRTUALSCREEN, SM_CXVIRTUALSCREEN,
                         SM_CYVIRTUALSCREEN, SM_CXSCREEN,       SM_CYSCREEN};
    const int answers[] = {virtualScreen.left,
                           virtualScreen.top,
                           virtualScreen.right - virtualScreen.left,
                           virtualScreen.bottom - virtualScreen.top,
                           primary.cx,
                           primary.cy};
    for (int i = 0; i < 6; ++i) {
        if (asked[i] == index) {
            return answers[i];
        }
    }
    return 0;
}

// The full-screen set-up whole: the window, the picture, its own copy of the tune, which it can
// do without, and the pointer hidden.
TEST(ScreenSaverCommand, CoversTheVirtualScreenWithThePictureOnThePrimaryMonitor) {
    const struct {
        const char *name;
        RECT window;
        SIZE primary;
        RECT picture; // on the screen
    } rows[] = {
        {"one monitor", {0, 0, 1024, 768}, {1024, 768}, {192, 144, 832, 624}},
        {"a second to the right", {0, 0, 2304, 1024}, {1024, 768}, {192, 144, 832, 624}},
        {"a second to the left", {-1280, 0, 1920, 1080}, {1920, 1080}, {320, 60, 1600, 1020}},
        {"a second above", {0, -1200, 1600, 768}, {1024, 768}, {192, 144, 832, 624}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        PlatformOverride table;
        virtualScreen = row.window;
        primary = row.primary;
        table.set(&PlatformCalls::GetSystemMetrics, rowMetrics);
        table.set(&PlatformCalls::CreateMutexW, fakeCreateMutexW);
        table.set(&PlatformCalls::GetLastError, noLastError);
        table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
        table.set(&PlatformCalls::CreateWindowExA, refuseCreateWindowExA);
        runOnThroughTheStart(table);
        // A tune that cannot play costs the screen saver nothing: it runs its loop all the same.
        EXPECT_EQ(runScreenSaver(nullptr, "/s"), 99) << "it did not run";
        RECT picture = pictureRect(sceneHost.pictureArea, 640, 480);
        OffsetRect(&picture, created.left, created.top);
        EXPECT_TRUE(EqualRect(&created, &row.window));
        EXPECT_EQ(startedWith, nullptr);
        EXPECT_TRUE(EqualRect(&picture, &row.picture));
        ASSERT_EQ(MciRecorder::calls.size(), 3u) << "the tune it was asked for";
        EXPECT_NE(MciRecorder::calls[1].command.find("\\Zorvd-saver.mid\""), std::string::npos)
            << "not its own copy: " << MciRecorder::calls[1].command;
        EXPECT_LT(pointerCount, 0) << "the pointer shows over it";
        endTheStart();
    }
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

TEST(ScreenSaverCommand, PreviewEndsOnceItsHostIsGone) {
    PlatformOverride table;
    table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
    table.set(&PlatformCalls::CreateWindowExA, refuseCreateWindowExA);
    runOnThroughTheStart(table);
    EXPECT_EQ(runScreenSaver(nullptr, "/p 1234"), 0);
    EXPECT_EQ(looks, 1) << "the preview did not start its loop, or did not watch its host";
    EXPECT_TRUE(EqualRect(&created, &HOST_AREA)) << "not over its host's client area";
    EXPECT_EQ(startedWith, HOST);
    EXPECT_TRUE(IsRectEmpty(&sceneHost.pictureArea)) << "the picture fills the preview";
    EXPECT_TRUE(MciRecorder::calls.empty()) << "the preview is not silent";
    EXPECT_EQ(pointerCount, 0) << "the pointer is the settings dialog's";
    endTheStart();
}

} // namespace
