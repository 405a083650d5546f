// The screen saver's window procedure: what ends it, what it refuses the system, and when it
// plays the tune again.
#include <gtest/gtest.h>

#include "app/screenSaver.h"
#include "doubles/MciRecorder.h"
#include "music/MidiPlayer.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

namespace {

const HWND WINDOW = reinterpret_cast<HWND>(0x5A5);
constexpr LRESULT DEFAULT_RESULT = 0x5EED;
const POINT START = {600, 500};

// RUNNING: /s once started; STARTING: /s before its start is over; PREVIEW: /p.
enum Mode { RUNNING, STARTING, PREVIEW };

struct Row {
    const char *name;
    Mode mode;
    UINT message;
    WPARAM wParam;
    int closes;
    bool defaultHandling;
    POINT pointer = START; // where GetCursorPos puts it
    bool tuneOn = false;
};

const Row rows[] = {
    {"Alt or F10", RUNNING, WM_SYSKEYDOWN, VK_MENU, 1, true},
    {"the pointer 8 pixels away", RUNNING, WM_MOUSEMOVE, 0, 0, true, {608, 492}},
    {"the pointer 9 pixels away", RUNNING, WM_MOUSEMOVE, 0, 1, true, {609, 500}},
    {"WM_ACTIVATE inactive", RUNNING, WM_ACTIVATE, WA_INACTIVE, 1, true},
    {"WM_ACTIVATE inactive, minimised", RUNNING, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 1, true},
    {"WM_ACTIVATE active", RUNNING, WM_ACTIVATE, WA_ACTIVE, 0, true},
    {"WM_ACTIVATEAPP FALSE", RUNNING, WM_ACTIVATEAPP, FALSE, 1, true},
    {"WM_ACTIVATEAPP TRUE", RUNNING, WM_ACTIVATEAPP, TRUE, 0, true},
    {"WM_NCACTIVATE FALSE", RUNNING, WM_NCACTIVATE, FALSE, 1, true},
    {"WM_NCACTIVATE TRUE", RUNNING, WM_NCACTIVATE, TRUE, 0, true},
    {"deactivated during its start", STARTING, WM_ACTIVATE, WA_INACTIVE, 0, true},
    {"SC_SCREENSAVE", RUNNING, WM_SYSCOMMAND, SC_SCREENSAVE, 0, false},
    {"SC_CLOSE", RUNNING, WM_SYSCOMMAND, SC_CLOSE, 0, false},
    {"SC_SCREENSAVE to the preview", PREVIEW, WM_SYSCOMMAND, SC_SCREENSAVE, 0, true},
    {"the tune ended, tune on", RUNNING, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0, true, START, true},
    {"the tune ended, silent", RUNNING, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0, true},
};

const Row *current;
int closes, defaults;

LRESULT WINAPI countDefault(HWND, UINT, WPARAM, LPARAM) {
    ++defaults;
    return DEFAULT_RESULT;
}
BOOL WINAPI countClose(HWND window, UINT message, WPARAM, LPARAM) {
    closes += window == WINDOW && message == WM_CLOSE;
    return TRUE;
}
BOOL WINAPI rowPointer(POINT *point) {
    *point = current->pointer;
    return TRUE;
}

TEST(ScreenSaverWindowProc, EndsOnInputAndLostActivationAndRefusesASecondScreenSaver) {
    wchar_t tempPath[] = L"C:\\temp\\\\Zorvd-saver.mid";
    midiPlayer = new MidiPlayer();
    midiPlayer->tempPath = tempPath;
    pointerAtStart = START;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        PlatformOverride calls;
        calls.set(&PlatformCalls::DefWindowProcA, countDefault);
        calls.set(&PlatformCalls::PostMessageA, countClose);
        calls.set(&PlatformCalls::GetCursorPos, rowPointer);
        MciRecorder::install(calls);
        current = &row;
        closes = defaults = 0;
        screenSaverEndsOnInput = row.mode != PREVIEW;
        screenSaverEndsOnDeactivation = row.mode == RUNNING;
        sceneHost.playsTune = row.tuneOn;

        LRESULT result = screenSaverWindowProc(WINDOW, row.message, row.wParam, 0);

        EXPECT_EQ(closes, row.closes);
        EXPECT_EQ(defaults, row.defaultHandling ? 1 : 0);
        EXPECT_EQ(result, row.defaultHandling ? DEFAULT_RESULT : 0);
        EXPECT_EQ(MciRecorder::calls.size(), row.tuneOn ? 3u : 0u) << "the tune's restart";
    }
    delete midiPlayer;
    midiPlayer = nullptr;
    sceneHost = SceneHost();
    screenSaverEndsOnInput = screenSaverEndsOnDeactivation = false;
}

} // namespace
