// Making the DirectDraw object and the Surface wrappers that both Display set-ups begin with.
#include "display/createDirectDraw.h"

#include <new>

#include <ddraw.h>

#include "platform/PlatformCalls.h"
#include "display/Display.h"

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

bool newDisplaySurfaces(Surface *&primary, Surface *&backBuffer) {
    primary = new (std::nothrow) Surface;
    backBuffer = new (std::nothrow) Surface;
    return primary && backBuffer;
}
