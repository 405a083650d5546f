// The windowed set-up: the desktop's primary surface clipped to the window, and an offscreen
// back buffer of the screen size in the desktop's pixel format.
#include "display/Display.h"

#include <cstring>

#include "platform/PlatformCalls.h"
#include "display/createDirectDraw.h"

namespace {

// The desktop's colour depth in bits per pixel.
int32_t desktopBitsPerPixel() {
    HDC screen = platform.GetDC(nullptr);
    int32_t bits =
        platform.GetDeviceCaps(screen, BITSPIXEL) * platform.GetDeviceCaps(screen, PLANES);
    platform.ReleaseDC(nullptr, screen);
    return bits;
}

} // namespace

ResultCode Display::setWindowed(HWND window, int32_t width, int32_t height) {
    directDraw = nullptr;
    fullScreen = 0;
    ScreenWidth = width;
    ScreenHeight = height;
    this->window = window;
    ScreenBitsPerPixel = desktopBitsPerPixel();

    ResultCode created = createDirectDraw();
    if (created != RC_SUCCESS)
        return created;
    if (directDraw->SetCooperativeLevel(window, DDSCL_NORMAL) != DD_OK)
        return RC_DDRAW_COOP_FAILED;

    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;

    if (!newDisplaySurfaces(primary, backBuffer))
        return RC_PRIMARY_CREATE_FAILED;
    if (directDraw->CreateSurface(&desc, &primary->surface, nullptr) != DD_OK)
        return RC_PRIMARY_CREATE_FAILED;

    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    desc.dwHeight = height;
    desc.dwWidth = width;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    if (directDraw->CreateSurface(&desc, &backBuffer->surface, nullptr) != DD_OK)
        return RC_BACKBUFFER_CREATE_FAILED;

    if (directDraw->CreateClipper(0, &clipper, nullptr) != DD_OK)
        return RC_CLIPPER_CREATE_FAILED;
    if (clipper->SetHWnd(0, window) != DD_OK)
        return RC_CLIPPER_HWND_FAILED;
    if (primary->surface->SetClipper(clipper) != DD_OK)
        return RC_CLIPPER_ATTACH_FAILED;
    return RC_SUCCESS;
}
