#include "display/Display.h"

#include <initializer_list>
#include <new>

#include "display/pictureRect.h"
#include "display/screenCaps.h"
#include "platform/PlatformCalls.h"

int32_t ScreenWidth = 0;
int32_t ScreenHeight = 0;
int32_t ScreenBitsPerPixel = 0;
IDirectDraw2 *directDraw = nullptr;

namespace {

// Makes the DirectDraw object of the active display driver and puts its IDirectDraw2 face
// into directDraw. RC_DDRAW_INIT_FAILED or RC_DDRAW2_INIT_FAILED when it cannot.
ResultCode createDirectDraw() {
    IDirectDraw *first = nullptr;
    if (platform.DirectDrawCreate(nullptr, &first, nullptr) != DD_OK || !first)
        return RC_DDRAW_INIT_FAILED;
    void *second = nullptr;
    HRESULT hr = first->QueryInterface(IID_IDirectDraw2, &second);
    // Only the IDirectDraw2 face is kept; the first one is given back in either case.
    first->Release();
    if (hr != DD_OK || !second)
        return RC_DDRAW2_INIT_FAILED;
    directDraw = static_cast<IDirectDraw2 *>(second);
    return RC_SUCCESS;
}

// Allocates the primary and back-buffer Surfaces; false when memory ran out (what was
// allocated stays in place for Display::release).
bool newDisplaySurfaces(Surface *&primary, Surface *&backBuffer) {
    primary = new (std::nothrow) Surface;
    backBuffer = new (std::nothrow) Surface;
    return primary && backBuffer;
}

// True when rect holds no pixel.
bool isEmpty(const RECT &rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// Copies the whole back buffer to where area (the client area when empty) is on the screen,
// scaled to fit it by whole numbers (or shrunk, in a window smaller than the picture) and
// centred.
HRESULT copyToWindow(HWND window, const RECT &area, IDirectDrawSurface *primary,
                     IDirectDrawSurface *backBuffer) {
    RECT client = area;
    if (isEmpty(client))
        platform.GetClientRect(window, &client);
    RECT picture = pictureRect(client, ScreenWidth, ScreenHeight);
    POINT origin = {0, 0};
    platform.ClientToScreen(window, &origin);
    platform.OffsetRect(&picture, origin.x, origin.y);
    // The clipper on the primary surface keeps the copy inside the window's visible region.
    return primary->Blt(&picture, backBuffer, nullptr, DDBLT_WAIT, nullptr);
}

// Restores a wrapped surface that IsLost reports lost; returns what Restore answered, DD_OK
// when nothing needed restoring.
HRESULT restoreIfLost(Surface *wrapper) {
    if (!wrapper || !wrapper->surface || wrapper->surface->IsLost() == DD_OK)
        return DD_OK;
    return wrapper->surface->Restore();
}

// Gives back the Display's reference to a wrapped surface and deletes its Surface object.
void releaseWrapped(Surface *&wrapper) {
    if (!wrapper)
        return;
    // NOTE: Wine keeps a surface alive after its DirectDraw object is released, so the
    // reference is given back here; on Windows this only ends the surface a little earlier.
    wrapper->releaseSurface();
    delete wrapper;
    wrapper = nullptr;
}

} // namespace

Display::Display()
    : clipper(nullptr), primary(nullptr), backBuffer(nullptr), fullScreen(0), window(nullptr),
      wrongMode(0), pictureArea{0, 0, 0, 0} {
    directDraw = nullptr;
}

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

    DDSURFACEDESC desc = surfaceDescription(
        DDSD_CAPS | DDSD_BACKBUFFERCOUNT, DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX);
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

    DDSURFACEDESC primaryDesc = surfaceDescription(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE);
    if (!newDisplaySurfaces(primary, backBuffer))
        return RC_PRIMARY_CREATE_FAILED;
    if (directDraw->CreateSurface(&primaryDesc, &primary->surface, nullptr) != DD_OK)
        return RC_PRIMARY_CREATE_FAILED;

    DDSURFACEDESC backDesc =
        surfaceDescription(DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH, DDSCAPS_OFFSCREENPLAIN);
    backDesc.dwHeight = height;
    backDesc.dwWidth = width;
    if (directDraw->CreateSurface(&backDesc, &backBuffer->surface, nullptr) != DD_OK)
        return RC_BACKBUFFER_CREATE_FAILED;

    if (directDraw->CreateClipper(0, &clipper, nullptr) != DD_OK)
        return RC_CLIPPER_CREATE_FAILED;
    if (clipper->SetHWnd(0, window) != DD_OK)
        return RC_CLIPPER_HWND_FAILED;
    if (primary->surface->SetClipper(clipper) != DD_OK)
        return RC_CLIPPER_ATTACH_FAILED;
    return RC_SUCCESS;
}

void Display::present(int32_t waitForVerticalBlank) {
    if (!primary || !primary->surface || !backBuffer || !backBuffer->surface)
        return;
    if (waitForVerticalBlank && directDraw) {
        pacer.beforeVerticalBlankWait();
        directDraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
        pacer.afterVerticalBlankWait();
    }
    HRESULT shown = fullScreen
                        ? primary->surface->Flip(nullptr, DDFLIP_WAIT)
                        : copyToWindow(window, pictureArea, primary->surface, backBuffer->surface);
    if (shown == DDERR_SURFACELOST)
        restoreLost();
}

void Display::restoreLost() {
    // The back buffer too: an offscreen one is lost with the primary (a screen lock, the secure
    // desktop) and every frame drawn into it would fail until it is restored. In full screen it
    // comes back with the primary's flipping chain, and IsLost then says so.
    for (Surface *wrapper : {primary, backBuffer}) {
        if (restoreIfLost(wrapper) == DDERR_WRONGMODE)
            wrongMode = 1;
    }
}

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
