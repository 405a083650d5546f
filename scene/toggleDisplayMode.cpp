// The Alt+Enter toggle: builds the display of the other mode, windowed or full screen, in place
// of the current one.
#include "scene/Scene.h"

void toggleDisplayMode() {
    rebuildDisplay(fullScreenNext == 1 ? DISPLAY_FULL_SCREEN : DISPLAY_WINDOWED);
}
