// Process entry: hands over to a demo that already runs, or registers the window class, opens the
// centred borderless window, starts the scene and runs the message loop, which draws a frame
// whenever no message is waiting.
#include "app/mainWindow.h"
#include "app/runningDemo.h"
#include "platform/PlatformCalls.h"
#include "resources/resourceIds.h"
#include "scene/Scene.h"
#include "scene/windowSizeFor.h"

namespace {

// Fills and registers the one window class; false when the system refuses it.
bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = platform.LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    windowClass.hCursor = platform.LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(platform.GetStockObject(BLACK_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = MAIN_WINDOW_TITLE;
    return platform.RegisterClassA(&windowClass) != 0;
}

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

// Handles one message per turn and draws a frame on every turn that finds the queue empty.
int runMessageLoop() {
    MSG message;
    for (;;) {
        if (platform.PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (platform.GetMessageA(&message, nullptr, 0, 0) == 0) {
                return static_cast<int>(message.wParam);
            }
            platform.TranslateMessage(&message);
            platform.DispatchMessageA(&message);
        } else {
            renderFrame();
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (handOverToRunningDemo()) {
        return 0;
    }
    if (!registerMainWindowClass(instance)) {
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
    return runMessageLoop();
}
