// The Display's process-wide values, its construction, recovery of a lost primary surface and
// its tear-down.
#include "display/Display.h"

int32_t ScreenWidth = 0;
int32_t ScreenHeight = 0;
int32_t ScreenBitsPerPixel = 0;
IDirectDraw2 *directDraw = nullptr;

Display::Display()
    : clipper(nullptr), primary(nullptr), backBuffer(nullptr), fullScreen(0), window(nullptr) {
    directDraw = nullptr;
}

void Display::restoreLost() {
    if (!primary || !primary->surface)
        return;
    if (primary->surface->IsLost() != DD_OK)
        primary->surface->Restore();
}

void Display::release() {
    if (directDraw)
        directDraw->RestoreDisplayMode();
    delete backBuffer;
    backBuffer = nullptr;
    delete primary;
    primary = nullptr;
    if (clipper) {
        clipper->Release();
        clipper = nullptr;
    }
    if (directDraw) {
        // Ends every surface made through it, the sprites' included.
        directDraw->Release();
        directDraw = nullptr;
    }
}
