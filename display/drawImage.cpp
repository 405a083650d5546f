// Drawing the loaded image onto the surface through GDI, and bringing a lost sprite back.
#include "display/Surface.h"

#include "platform/PlatformCalls.h"
#include "display/imageFitsBlocks.h"

namespace {

// True when the Surface holds a successfully loaded image that GDI can draw safely.
bool holdsDrawableImage(const Surface &sprite) {
    // A failed load leaves width and height at 0, whatever blocks it left behind.
    if (!sprite.imageInfo || !sprite.imageBits || sprite.width == 0 || sprite.height == 0)
        return false;
    return imageFitsBlocks(sprite.imageInfo->bmiHeader, sprite.imageBitsSize);
}

// Copies the image one to one onto the surface with its top-left corner at (x, y).
void paintImage(Surface &sprite, int32_t x, int32_t y) {
    HDC dc = nullptr;
    if (sprite.surface->GetDC(&dc) != DD_OK)
        return;
    const BITMAPINFOHEADER &header = sprite.imageInfo->bmiHeader;
    platform.StretchDIBits(dc, x, y, header.biWidth, header.biHeight, 0, 0, header.biWidth,
                           header.biHeight, sprite.imageBits, sprite.imageInfo, DIB_RGB_COLORS,
                           SRCCOPY);
    sprite.surface->ReleaseDC(dc);
}

} // namespace

void Surface::drawImage(int32_t x, int32_t y) {
    if (!surface || !holdsDrawableImage(*this))
        return;
    surface->Restore();
    paintImage(*this, x, y);
}

void Surface::restoreImage() {
    if (!surface)
        return;
    surface->Restore();
    // Restore gives back the memory but not its content: draw the image again, at (0, 0)
    // where every sprite's image is drawn.
    if (holdsDrawableImage(*this))
        paintImage(*this, 0, 0);
}
