#include "display/Surface.h"

#include <cstring>

#include "display/BmpLoader.h"
#include "display/Display.h"
#include "platform/PlatformCalls.h"

#if !defined(_WIN64)
static_assert(sizeof(DDSURFACEDESC) == 108, "DirectDraw expects the 108-byte DDSURFACEDESC");
static_assert(sizeof(DDBLTFX) == 100, "DirectDraw expects the 100-byte DDBLTFX");
#endif

namespace {

// DDSCAPS_OFFSCREENPLAIN with the memory the kind names; 0 for an unknown kind.
DWORD memoryKindCaps(uint32_t kind) {
    switch (kind) {
    case MEMORY_SYSTEM:
        return DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    case MEMORY_VIDEO:
        return DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    case MEMORY_ANY:
        return DDSCAPS_OFFSCREENPLAIN;
    default:
        return 0;
    }
}

// True when the Surface holds a successfully loaded image that GDI can draw safely.
bool holdsDrawableImage(const Surface &sprite) {
    // A failed load leaves width and height at 0, whatever blocks it left behind.
    if (!sprite.imageInfo || !sprite.imageBits || sprite.width == 0 || sprite.height == 0)
        return false;
    BmpInfoHeader header;
    std::memcpy(&header, &sprite.imageInfo->bmiHeader, sizeof(header));
    return imageFitsBlocks(header, sprite.imageBitsSize);
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

DDSURFACEDESC surfaceDescription(DWORD flags, DWORD caps) {
    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.dwSize = sizeof(desc);
    desc.dwFlags = flags;
    desc.ddsCaps.dwCaps = caps;
    return desc;
}

void clipToRect(int32_t &x, int32_t &y, RECT &source, const RECT &clip) {
    if (source.right - source.left + x > clip.right)
        source.right = clip.right - x + source.left;
    if (x < clip.left) {
        source.left += clip.left - x;
        x = clip.left;
    }
    if (y < clip.top) {
        source.top += clip.top - y;
        y = clip.top;
    }
    if (source.bottom - source.top + y > clip.bottom)
        source.bottom = clip.bottom - y + source.top;
}

Surface::Surface()
    : x(0), y(0), width(0), height(0), imageInfo(nullptr),
      imageBits(nullptr), clipRect{0, 0, ScreenWidth, ScreenHeight}, sourceRect{0, 0, 0, 0},
      dc(nullptr), surface(nullptr), imageBitsSize(0) {
    std::memset(&surfaceDesc, 0, sizeof(surfaceDesc));
}

// 16384 x 16384 at 32 bits per pixel is 1 GB, within a signed 32-bit size.
constexpr int32_t LARGEST_SURFACE_SIDE = 16384;

ResultCode Surface::create(uint32_t kind) {
    // The sides come from an image's header. A negative height (a top-down image) would wrap
    // to some 4 billion rows.
    // NOTE: Wine took about a minute to refuse a surface of some 4 billion rows, and crashed in
    // the first blit of one 1.25 billion pixels wide (its 32-bit pitch and size overflow);
    // refusing sides beyond LARGEST_SURFACE_SIDE first costs Windows nothing.
    if (!directDraw || width < 0 || height < 0 || width > LARGEST_SURFACE_SIDE ||
        height > LARGEST_SURFACE_SIDE)
        return RC_SURFACE_CREATE_FAILED;
    surfaceDesc = surfaceDescription(DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH, memoryKindCaps(kind));
    surfaceDesc.dwHeight = static_cast<DWORD>(height);
    surfaceDesc.dwWidth = static_cast<DWORD>(width);
    if (directDraw->CreateSurface(&surfaceDesc, &surface, nullptr) != DD_OK) {
        surface = nullptr;
        return RC_SURFACE_CREATE_FAILED;
    }
    sourceRect = {0, 0, width, height};
    clipRect = {0, 0, ScreenWidth, ScreenHeight};
    x = 0;
    y = 0;
    surface->Restore();
    return RC_SUCCESS;
}

HRESULT Surface::setColorKey(DWORD key) {
    if (!surface)
        return DDERR_INVALIDOBJECT;
    DDCOLORKEY colorKey = {key, key};
    return surface->SetColorKey(DDCKEY_SRCBLT, &colorKey);
}

HRESULT Surface::fill(DWORD colour) {
    if (!surface)
        return DDERR_INVALIDOBJECT;
    DDBLTFX fx;
    std::memset(&fx, 0, sizeof(fx));
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = colour;
    return surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

HRESULT Surface::getDC() {
    if (!surface) {
        dc = nullptr;
        return DDERR_INVALIDOBJECT;
    }
    HRESULT hr = surface->GetDC(&dc);
    if (hr != DD_OK)
        dc = nullptr;
    return hr;
}

HRESULT Surface::releaseDC() {
    if (!surface || !dc)
        return DDERR_INVALIDOBJECT;
    HRESULT hr = surface->ReleaseDC(dc);
    // The context is GDI's no longer; forgetting it keeps drawText from using a stale one.
    dc = nullptr;
    return hr;
}

void Surface::drawText(int32_t x, int32_t y, const char *text, COLORREF colour) {
    if (!surface || !dc || !text)
        return;
    platform.SetBkMode(dc, TRANSPARENT);
    platform.SetTextColor(dc, colour);
    platform.TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void Surface::releaseSurface() {
    if (!surface)
        return;
    surface->Release();
    surface = nullptr;
}

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
