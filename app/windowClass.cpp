#include "app/windowClass.h"

#include "platform/PlatformCalls.h"
#include "resources/resourceIds.h"

bool registerWindowClass(HINSTANCE instance, WNDPROC windowProc, const char *className) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = platform.LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    windowClass.hCursor = platform.LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(platform.GetStockObject(BLACK_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = className;
    return platform.RegisterClassA(&windowClass) != 0;
}
