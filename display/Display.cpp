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

namespace {

// Gives back the Display's reference to a wrapped surface and deletes its Surface object.
void releaseWrapped(Surface *&wrapper) {
    if (!wrapper)
        return;
    // NOTE: Wine keeps a surface alive after its DirectDraw object is released, so the
    // reference is given back here; on Windows this only ends the surface a little earlier.
    if (wrapper->surface)
        wrapper->surface->Release();
    delete wrapper;
    wrapper = nullptr;
}

} // namespace

void Display::release() {
    if (directDraw)
        directDraw->RestoreDisplayMode();
    releaseWrapped(backBuffer);
    releaseWrapped(primary);
    if (clipper) {
        clipper->Release();
        clipper = nullptr;
    }
    if (directDraw) {
        // On Windows this also ends the sprites' surfaces made through it.
        directDraw->Release();
        directDraw = nullptr;
    }
}
