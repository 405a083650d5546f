// The window procedure: Escape closes, Alt+Enter toggles the display mode, a change of the
// desktop's mode rebuilds the windowed display (centred again on its return if it was minimised
// meanwhile), the end of the tune starts it again, the size stays fixed, and in full screen no
// screen saver or power saving covers the picture; everything else gets the system's default
// handling.
#include "app/mainWindow.h"

#include "app/systemCommand.h"
#include "music/MidiPlayer.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"

namespace {

// True for the system commands that start a screen saver or turn the monitor off.
bool blanksTheScreen(WPARAM command) {
    return systemCommand(command) == SC_SCREENSAVE || systemCommand(command) == SC_MONITORPOWER;
}

// Tells the system whether the display is in use, which keeps its idle timers from blanking it:
// while the demo shows full screen, and no longer once it is windowed, minimised or ending.
void tellDisplayInUse(bool inUse) {
    platform.SetThreadExecutionState(inUse ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

} // namespace

void fillMinMaxInfo(HWND, MINMAXINFO *info) {
    // The size the window was given, which is the picture's on a desktop at 100 % scale; the
    // message already comes during CreateWindowExA, after WinMain has set it.
    const POINT size = {mainWindowSize.cx, mainWindowSize.cy};
    info->ptMaxSize = size;
    // A fixed point, not the centred position: where a maximised window would go.
    info->ptMaxPosition = {SCREEN_WIDTH / 2, SCREEN_HEIGHT / 2};
    info->ptMinTrackSize = size;
    info->ptMaxTrackSize = size;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        if (fullScreenDisplayInUse()) {
            tellDisplayInUse(false);
        }
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
            tellDisplayInUse(fullScreenDisplayInUse());
        }
        break;
    case WM_DISPLAYCHANGE:
        // Another resolution or depth: a windowed display must be built for it to show again.
        rebuildWindowedDisplay();
        break;
    case WM_SIZE:
        // Back from the taskbar: a screen that changed meanwhile wants the window centred on it.
        if (wParam == SIZE_RESTORED) {
            centreRestoredWindow();
        }
        if (fullScreenDisplayInUse()) {
            tellDisplayInUse(wParam != SIZE_MINIMIZED);
        }
        break;
    case WM_SYSCOMMAND:
        // Only in full screen: in a window they stay the system's, so that a demo left running
        // all day does not keep the monitor on.
        if (fullScreenDisplayInUse() && blanksTheScreen(wParam)) {
            return 0;
        }
        break;
    case MM_MCINOTIFY:
        // Any outcome, not only a finished tune, starts the tune again.
        midiPlayer->play();
        break;
    }
    return platform.DefWindowProcA(window, message, wParam, lParam);
}
