// Process entry: hands over to a demo that already runs, or registers the window class, opens the
// centred borderless window, starts the scene and runs the message loop, which draws a frame
// whenever no message is waiting.
#include "app/mainWindow.h"
#include "app/messageLoop.h"
#include "app/runningDemo.h"
#include "app/windowClass.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"
#include "scene/windowSizeFor.h"

namespace {

// Creates the hidden popup window, sized for the desktop's scale and centred on the screen, and
// stores it in mainWindow.
bool createMainWindow(HINSTANCE instance) {
    SIZE screen = screenSize();
    mainWindowSize = windowSizeFor(screen);
    POINT position = centredWindowPosition(screen.cx, screen.cy, mainWindowSize);
    mainWindow = platform.CreateWindowExA(0, MAIN_WINDOW_TITLE, MAIN_WINDOW_TITLE, WS_POPUP,
                                          position.x, position.y, mainWindowSize.cx,
                                          mainWindowSize.cy, nullptr, nullptr, instance, nullptr);
    return mainWindow != nullptr;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (handOverToRunningDemo()) {
        return 0;
    }
    if (!registerWindowClass(instance, mainWindowProc, MAIN_WINDOW_TITLE)) {
        return 0;
    }
    if (!createMainWindow(instance)) {
        return 0;
    }
    platform.ShowWindow(mainWindow, showCommand);
    platform.UpdateWindow(mainWindow);
    if (!startScene()) {
        return 0;
    }
    platform.ShowCursor(FALSE);
    return runMessageLoop(nullptr);
}
