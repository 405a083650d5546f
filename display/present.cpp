// Showing the back buffer once per frame: a flip in full screen, a copy into the window's
// client area when windowed.
#include "display/Display.h"

#include "platform/PlatformCalls.h"

namespace {

// Copies the whole back buffer to where the window's client area is on the screen.
HRESULT copyToWindow(HWND window, IDirectDrawSurface *primary, IDirectDrawSurface *backBuffer) {
    RECT client = {0, 0, 0, 0};
    platform.GetClientRect(window, &client);
    POINT origin = {0, 0};
    platform.ClientToScreen(window, &origin);
    platform.OffsetRect(&client, origin.x, origin.y);
    // The clipper on the primary surface keeps the copy inside the window's visible region.
    return primary->Blt(&client, backBuffer, nullptr, DDBLT_WAIT, nullptr);
}

} // namespace

void Display::present(int32_t waitForVerticalBlank) {
    if (!primary || !primary->surface || !backBuffer || !backBuffer->surface)
        return;
    if (waitForVerticalBlank && directDraw) {
        pacer.beforeVerticalBlankWait();
        directDraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
        pacer.afterVerticalBlankWait();
    }
    HRESULT shown = fullScreen ? primary->surface->Flip(nullptr, DDFLIP_WAIT)
                               : copyToWindow(window, primary->surface, backBuffer->surface);
    if (shown == DDERR_SURFACELOST)
        restoreLost();
}
