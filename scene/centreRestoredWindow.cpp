// The window centred as it comes back from the taskbar, when the screen's mode changed while it
// was minimised.
#include "scene/Scene.h"

void centreRestoredWindow() {
    if (centreWhenRestored) {
        centreWhenRestored = false;
        centreMainWindow(PLACE_ONLY);
    }
}
