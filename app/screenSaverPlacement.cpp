#include "app/screenSaverPlacement.h"

#include "platform/PlatformCalls.h"
#include "scene/Scene.h"

ScreenSaverPlacement screenSaverPlacement() {
    int left = platform.GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = platform.GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = platform.GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int height = platform.GetSystemMetrics(SM_CYVIRTUALSCREEN);
    SIZE primary = screenSize();
    // The window's client area is the whole window, so its origin is the virtual screen's.
    return {{left, top, left + width, top + height},
            {-left, -top, primary.cx - left, primary.cy - top}};
}
