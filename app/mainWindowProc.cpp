// The window procedure: Escape closes, Alt+Enter toggles the display mode, the end of the tune
// restarts it; everything else gets the system's default handling.
#include "platform/PlatformCalls.h"
#include "app/mainWindow.h"
#include "music/MidiPlayer.h"
#include "scene/Scene.h"

HWND mainWindow = nullptr;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        platform.PostQuitMessage(0);
        return 0;
    case WM_GETMINMAXINFO:
        fillMinMaxInfo(window, reinterpret_cast<MINMAXINFO *>(lParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            platform.PostMessageA(window, WM_CLOSE, 0, 0);
        }
        break;
    case WM_SYSKEYUP:
        // The toggle runs on the release, so holding Alt+Enter toggles once, not per repeat.
        if (wParam == VK_RETURN) {
            toggleDisplayMode();
        }
        break;
    case MM_MCINOTIFY:
        // Any outcome, not only a finished tune, starts the tune again.
        midiPlayer->play();
        break;
    }
    return platform.DefWindowProcA(window, message, wParam, lParam);
}
