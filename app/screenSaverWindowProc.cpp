// The screen saver's window procedure: in full screen any key, any mouse button, or a move of
// the pointer away from where it was at the start closes the window; the end of the tune starts
// it again; everything else gets the system's default handling.
#include <cstdlib>

#include "app/screenSaver.h"
#include "music/MidiPlayer.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

bool screenSaverEndsOnInput = false;
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
    case MM_MCINOTIFY:
        if (sceneHost.playsTune) {
            midiPlayer->play();
        }
        break;
    }
    return platform.DefWindowProcA(window, message, wParam, lParam);
}
