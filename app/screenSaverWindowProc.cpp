// The screen saver's window procedure: in full screen any key, any mouse button, a move of the
// pointer away from where it was at the start, or another window taking the activation closes
// the window, and no second screen saver starts over it; the end of the tune starts it again;
// everything else gets the system's default handling.
#include <cstdlib>

#include "app/screenSaver.h"
#include "app/systemCommand.h"
#include "music/MidiPlayer.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

bool screenSaverEndsOnInput = false;
bool screenSaverEndsOnDeactivation = false;
POINT pointerAtStart = {0, 0};

namespace {

// How far the pointer may stray from where it was at the start, in pixels along each axis, and
// the screen saver still run: a knock on the desk or a restless sensor is not a user come back.
constexpr LONG POINTER_JITTER = 8;

// True when the pointer is now further than the jitter from where it was at the start.
bool pointerMovedAway() {
    POINT now = pointerAtStart;
    platform.GetCursorPos(&now);
    return std::labs(now.x - pointerAtStart.x) > POINTER_JITTER ||
           std::labs(now.y - pointerAtStart.y) > POINTER_JITTER;
}

// True when an activation message says that the window, or the program, lost the activation.
bool lostActivation(UINT message, WPARAM wParam) {
    // WM_ACTIVATE's high word says whether the window is minimised.
    return message == WM_ACTIVATE ? LOWORD(wParam) == WA_INACTIVE : wParam == FALSE;
}

// True for the system commands that the running screen saver refuses: another screen saver
// over it, and a close that the user did not ask for.
bool refusedCommand(WPARAM command) {
    return systemCommand(command) == SC_SCREENSAVE || systemCommand(command) == SC_CLOSE;
}

} // namespace

LRESULT CALLBACK screenSaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        platform.PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_XBUTTONDOWN:
        if (screenSaverEndsOnInput) {
            platform.PostMessageA(window, WM_CLOSE, 0, 0);
        }
        break;
    case WM_MOUSEMOVE:
        // The system also sends one when the window appears under a pointer that did not move.
        if (screenSaverEndsOnInput && pointerMovedAway()) {
            platform.PostMessageA(window, WM_CLOSE, 0, 0);
        }
        break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
        // Something else needs the screen: a reminder, a call, a prompt.
        if (screenSaverEndsOnDeactivation && lostActivation(message, wParam)) {
            platform.PostMessageA(window, WM_CLOSE, 0, 0);
        }
        break;
    case WM_SYSCOMMAND:
        if (screenSaverEndsOnInput && refusedCommand(wParam)) {
            return FALSE;
        }
        break;
    case MM_MCINOTIFY:
        if (sceneHost.playsTune) {
            midiPlayer->play();
        }
        break;
    }
    return platform.DefWindowProcA(window, message, wParam, lParam);
}
