// The exclusive full-screen set-up: a display mode and a flipping chain with one back buffer.
#include "display/Display.h"

#include <cstring>

#include "display/createDirectDraw.h"

ResultCode Display::setFullScreen(HWND window, int32_t width, int32_t height, int32_t bitsPerPixel,
                                  int32_t standardVga) {
    directDraw = nullptr;
    fullScreen = 1;
    ScreenWidth = width;
    ScreenHeight = height;
    ScreenBitsPerPixel = bitsPerPixel;
    this->window = window;

    ResultCode created = createDirectDraw();
    if (created != RC_SUCCESS)
        return created;
    if (directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN |
                                                    DDSCL_ALLOWREBOOT | DDSCL_ALLOWMODEX) != DD_OK)
        return RC_DDRAW_COOP_FAILED;
    DWORD modeFlags = standardVga ? DDSDM_STANDARDVGAMODE : 0;
    if (directDraw->SetDisplayMode(ScreenWidth, ScreenHeight, ScreenBitsPerPixel, 0, modeFlags) !=
        DD_OK)
        return RC_MODE_UNSUPPORTED;

    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;

    if (!newDisplaySurfaces(primary, backBuffer))
        return RC_PRIMARY_CREATE_FAILED;
    if (directDraw->CreateSurface(&desc, &primary->surface, nullptr) != DD_OK)
        return RC_PRIMARY_CREATE_FAILED;
    DDSCAPS backBufferCaps = {DDSCAPS_BACKBUFFER};
    if (primary->surface->GetAttachedSurface(&backBufferCaps, &backBuffer->surface) != DD_OK)
        return RC_BACKBUFFER_CREATE_FAILED;
    return RC_SUCCESS;
}
