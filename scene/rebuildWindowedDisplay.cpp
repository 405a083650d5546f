// The windowed display built again after the desktop's mode changed under it (another
// resolution or depth), so that it draws again, centred on the screen as it now is.
#include "display/Display.h"
#include "display/screenCaps.h"
#include "scene/Scene.h"

namespace {

// True when the current display is a complete windowed one. A full-screen display sets the mode
// itself, and the mode comes back when it is released.
bool windowedDisplayInUse() {
    return currentDisplay && !currentDisplay->fullScreen && currentDisplay->backBuffer;
}

// True when the desktop's size or depth is no longer the one the windowed display was built for.
bool desktopModeChanged() {
    SIZE screen = screenSize();
    return screen.cx != windowedScreenSize.cx || screen.cy != windowedScreenSize.cy ||
           desktopBitsPerPixel() != ScreenBitsPerPixel;
}

} // namespace

void rebuildWindowedDisplay() {
    if (windowedDisplayInUse() && desktopModeChanged()) {
        rebuildDisplay(DISPLAY_WINDOWED_AGAIN);
    }
}
