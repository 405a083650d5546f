// The window procedure's routing: which message leads to which action, what reaches the
// default handling, and what it returns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/MciRecorder.h"
#include "app/mainWindow.h"
#include "display/Display.h"
#include "display/Surface.h"
#include "music/MidiPlayer.h"
#include "scene/Scene.h"

namespace {

const HWND TEST_WINDOW = reinterpret_cast<HWND>(0x1234);
constexpr LRESULT DEFAULT_RESULT = 0x5EED;

// What the window procedure caused, counted through the platform calls it made.
struct Effects {
    int defaultHandling = 0;
    int quits = 0;
    int closes = 0;
    int messageBoxes = 0;
    EXECUTION_STATE executionState = 0;
};

Effects effects;

LRESULT WINAPI recordDefWindowProc(HWND window, UINT, WPARAM, LPARAM) {
    EXPECT_EQ(window, TEST_WINDOW);
    ++effects.defaultHandling;
    return DEFAULT_RESULT;
}

void WINAPI recordPostQuitMessage(int exitCode) {
    EXPECT_EQ(exitCode, 0);
    ++effects.quits;
}

BOOL WINAPI recordPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EXPECT_EQ(window, TEST_WINDOW);
    EXPECT_EQ(message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(wParam, 0u);
    EXPECT_EQ(lParam, 0);
    ++effects.closes;
    return TRUE;
}

// The last execution state the procedure asked for; 0 for none.
EXECUTION_STATE WINAPI recordExecutionState(EXECUTION_STATE state) {
    effects.executionState = state;
    return ES_CONTINUOUS;
}

int WINAPI countMessageBox(HWND, LPCSTR, LPCSTR, UINT) {
    ++effects.messageBoxes;
    return IDOK;
}

// NOTE: no display can be set up here, so every toggle fails at its first DirectDraw call.
HRESULT WINAPI failDirectDrawCreate(GUID *, IDirectDraw **, IUnknown *) {
    return DDERR_GENERIC;
}

BOOL WINAPI ignoreSetWindowPos(HWND, HWND, int, int, int, int, UINT) {
    return TRUE;
}

class MainWindowProc : public ::testing::Test {
  protected:
    void SetUp() override {
        effects = Effects();
        calls.set(&PlatformCalls::DefWindowProcA, recordDefWindowProc);
        calls.set(&PlatformCalls::PostQuitMessage, recordPostQuitMessage);
        calls.set(&PlatformCalls::PostMessageA, recordPostMessage);
        MciRecorder::install(calls);
        calls.set(&PlatformCalls::MessageBoxA, countMessageBox);
        calls.set(&PlatformCalls::DirectDrawCreate, failDirectDrawCreate);
        calls.set(&PlatformCalls::SetWindowPos, ignoreSetWindowPos);
        calls.set(&PlatformCalls::SetThreadExecutionState, recordExecutionState);
        midiPlayer = new MidiPlayer();
        midiPlayer->tempPath = tempPath;
        currentDisplay = new Display();
        // The start-up makes the sprites before any toggle can run.
        ballSprite = new Surface();
        starSprite = new Surface();
        logoSprite = new Surface();
        fullScreenNext = 0;
    }

    void TearDown() override {
        delete midiPlayer;
        midiPlayer = nullptr;
        currentDisplay->release();
        delete currentDisplay;
        currentDisplay = nullptr;
        for (Surface **sprite : {&ballSprite, &starSprite, &logoSprite}) {
            delete *sprite;
            *sprite = nullptr;
        }
        fullScreenNext = 0;
    }

    PlatformOverride calls;
    wchar_t tempPath[32] = L"C:\\temp\\\\Zorvd.mid";
};

struct Route {
    const char *name;
    UINT message;
    WPARAM wParam;
    bool defaultHandling;
    int quits;
    int closes;
    int toggles;
    int plays;
    bool fullScreen = false; // a complete full-screen display is in use
    EXECUTION_STATE executionState = 0;
};

constexpr EXECUTION_STATE DISPLAY_IN_USE = ES_CONTINUOUS | ES_DISPLAY_REQUIRED;

// A toggle here always fails its set-up, which posts a quit of its own (hence quits 1).
const Route routes[] = {
    {"WM_DESTROY", WM_DESTROY, 0, false, 1, 0, 0, 0},
    {"Escape down", WM_KEYDOWN, VK_ESCAPE, true, 0, 1, 0, 0},
    {"Escape up", WM_KEYUP, VK_ESCAPE, true, 0, 0, 0, 0},
    {"Enter down", WM_KEYDOWN, VK_RETURN, true, 0, 0, 0, 0},
    {"Enter up", WM_KEYUP, VK_RETURN, true, 0, 0, 0, 0},
    {"A down", WM_KEYDOWN, 'A', true, 0, 0, 0, 0},
    {"Alt+Enter down", WM_SYSKEYDOWN, VK_RETURN, true, 0, 0, 0, 0},
    {"Alt+Enter release", WM_SYSKEYUP, VK_RETURN, true, 1, 0, 1, 0, false, ES_CONTINUOUS},
    {"Alt+Escape release", WM_SYSKEYUP, VK_ESCAPE, true, 0, 0, 0, 0},
    {"Alt release", WM_SYSKEYUP, VK_MENU, true, 0, 0, 0, 0},
    {"MCI successful", MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, true, 0, 0, 0, 1},
    {"MCI superseded", MM_MCINOTIFY, MCI_NOTIFY_SUPERSEDED, true, 0, 0, 0, 1},
    {"MCI aborted", MM_MCINOTIFY, MCI_NOTIFY_ABORTED, true, 0, 0, 0, 1},
    {"MCI failure", MM_MCINOTIFY, MCI_NOTIFY_FAILURE, true, 0, 0, 0, 1},
    {"MCI code 0", MM_MCINOTIFY, 0, true, 0, 0, 0, 1},
    {"WM_CLOSE", WM_CLOSE, 0, true, 0, 0, 0, 0},
    {"WM_PAINT", WM_PAINT, 0, true, 0, 0, 0, 0},
    {"WM_DISPLAYCHANGE before any display", WM_DISPLAYCHANGE, 32, true, 0, 0, 0, 0},
    {"WM_CHAR Escape", WM_CHAR, VK_ESCAPE, true, 0, 0, 0, 0},
    {"SC_SCREENSAVE in the window", WM_SYSCOMMAND, SC_SCREENSAVE, true, 0, 0, 0, 0},
    {"SC_MONITORPOWER in the window", WM_SYSCOMMAND, SC_MONITORPOWER, true, 0, 0, 0, 0},
    {"minimised in the window", WM_SIZE, SIZE_MINIMIZED, true, 0, 0, 0, 0},
    {"SC_SCREENSAVE in full screen", WM_SYSCOMMAND, SC_SCREENSAVE, false, 0, 0, 0, 0, true},
    {"SC_MONITORPOWER in full screen", WM_SYSCOMMAND, SC_MONITORPOWER, false, 0, 0, 0, 0, true},
    {"SC_KEYMENU in full screen", WM_SYSCOMMAND, SC_KEYMENU, true, 0, 0, 0, 0, true},
    {"minimised in full screen", WM_SIZE, SIZE_MINIMIZED, true, 0, 0, 0, 0, true, ES_CONTINUOUS},
    {"restored in full screen", WM_SIZE, SIZE_RESTORED, true, 0, 0, 0, 0, true, DISPLAY_IN_USE},
    {"Alt+Enter back to the window", WM_SYSKEYUP, VK_RETURN, true, 1, 0, 1, 0, true, ES_CONTINUOUS},
    {"WM_DESTROY in full screen", WM_DESTROY, 0, false, 1, 0, 0, 0, true, ES_CONTINUOUS},
};

int countPlays(const std::vector<std::string> &commands) {
    int plays = 0;
    for (const std::string &command : commands) {
        plays += command == "play MUSIC from 0 notify";
    }
    return plays;
}

TEST_F(MainWindowProc, RoutesEachMessageToItsAction) {
    for (const Route &route : routes) {
        SCOPED_TRACE(route.name);
        effects = Effects();
        MciRecorder::calls.clear();
        currentDisplay->release();
        currentDisplay->fullScreen = route.fullScreen;
        currentDisplay->backBuffer = route.fullScreen ? new Surface() : nullptr;
        int fullScreenBefore = fullScreenNext;

        LRESULT result = mainWindowProc(TEST_WINDOW, route.message, route.wParam, 0);

        EXPECT_EQ(effects.defaultHandling, route.defaultHandling ? 1 : 0);
        EXPECT_EQ(result, route.defaultHandling ? DEFAULT_RESULT : 0);
        EXPECT_EQ(effects.quits, route.quits);
        EXPECT_EQ(effects.closes, route.closes);
        EXPECT_EQ(fullScreenNext != fullScreenBefore ? 1 : 0, route.toggles);
        EXPECT_EQ(effects.messageBoxes, route.toggles);
        EXPECT_EQ(countPlays(MciRecorder::commands()), route.plays);
        EXPECT_EQ(effects.executionState, route.executionState);
    }
}

TEST_F(MainWindowProc, TogglesOncePerAltEnterRelease) {
    for (int release = 1; release <= 4; ++release) {
        mainWindowProc(TEST_WINDOW, WM_SYSKEYDOWN, VK_RETURN, 0);
        mainWindowProc(TEST_WINDOW, WM_SYSKEYDOWN, VK_RETURN, 0x40000000); // auto-repeat
        mainWindowProc(TEST_WINDOW, WM_SYSKEYUP, VK_RETURN, 0);
        EXPECT_EQ(fullScreenNext, release % 2) << "after release " << release;
    }
    EXPECT_EQ(effects.messageBoxes, 4);
}

TEST_F(MainWindowProc, AnswersMinMaxInfoItselfWithTheFixedSize) {
    MINMAXINFO info = {};
    LRESULT result =
        mainWindowProc(TEST_WINDOW, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(effects.defaultHandling, 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 640);
    EXPECT_EQ(info.ptMaxTrackSize.y, 480);
}

TEST_F(MainWindowProc, RestartsTheTuneWithTheThreeCommandsInOrder) {
    mainWindowProc(TEST_WINDOW, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
    ASSERT_EQ(MciRecorder::calls.size(), 3u);
    EXPECT_EQ(MciRecorder::calls[0].command, "close all");
    EXPECT_EQ(MciRecorder::calls[1].command.rfind("open ", 0), 0u);
    EXPECT_EQ(MciRecorder::calls[2].command, "play MUSIC from 0 notify");
}

} // namespace
