// Surface: construction, creation of the DirectDraw surface, colour key, colour fill, and GDI
// text through the surface's device context.
#include "display/Surface.h"

#include <cstring>

#include "platform/PlatformCalls.h"
#include "display/Display.h"
#include "display/memoryKindCaps.h"

#if !defined(_WIN64)
static_assert(sizeof(DDSURFACEDESC) == 108, "DirectDraw expects the 108-byte DDSURFACEDESC");
static_assert(sizeof(DDBLTFX) == 100, "DirectDraw expects the 100-byte DDBLTFX");
#endif

Surface::Surface()
    : x(0), y(0), width(0), height(0), imageInfo(nullptr),
      imageBits(nullptr), clipRect{0, 0, ScreenWidth, ScreenHeight}, sourceRect{0, 0, 0, 0},
      dc(nullptr), surface(nullptr), imageBitsSize(0) {
    std::memset(&surfaceDesc, 0, sizeof(surfaceDesc));
}

ResultCode Surface::create(uint32_t kind) {
    if (!directDraw)
        return RC_SURFACE_CREATE_FAILED;
    std::memset(&surfaceDesc, 0, sizeof(surfaceDesc));
    surfaceDesc.dwSize = sizeof(surfaceDesc);
    surfaceDesc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    surfaceDesc.ddsCaps.dwCaps = memoryKindCaps(kind);
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
