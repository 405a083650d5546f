// The per-frame sprite blit: a clipped, colour-keyed fast blit onto another Surface.
#include "display/Surface.h"

void Surface::blitTo(int32_t x, int32_t y, int32_t useColorKey, Surface *destination) {
    if (!surface || !destination || !destination->surface)
        return;
    RECT source = sourceRect;
    this->x = x;
    this->y = y;
    clipToRect(this->x, this->y, source, clipRect);
    DWORD flags = DDBLTFAST_WAIT | (useColorKey ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY);
    HRESULT hr = destination->surface->BltFast(
        static_cast<DWORD>(this->x), static_cast<DWORD>(this->y), surface, &source, flags);
    // Restore the sprite (the source); the destination belongs to the Display.
    if (hr == DDERR_SURFACELOST)
        restoreImage();
}
