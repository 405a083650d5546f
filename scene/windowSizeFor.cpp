#include "scene/windowSizeFor.h"

#include "display/screenCaps.h"
#include "scene/Scene.h"

namespace {

// The system's DPI, which a DPI-aware program reads from the screen's device context.
int systemDpi() {
    const int cap = LOGPIXELSY;
    int dpi = 0;
    readScreenCaps(&cap, &dpi, 1);
    return dpi;
}

} // namespace

int32_t windowScaleFor(SIZE screen, int dpi) {
    int32_t scale = dpi / UNSCALED_DPI;
    while (scale > 1 && (scale * SCREEN_WIDTH > screen.cx || scale * SCREEN_HEIGHT > screen.cy)) {
        --scale;
    }
    return scale > 1 ? scale : 1;
}

SIZE windowSizeFor(SIZE screen) {
    int32_t scale = windowScaleFor(screen, systemDpi());
    return {scale * SCREEN_WIDTH, scale * SCREEN_HEIGHT};
}
