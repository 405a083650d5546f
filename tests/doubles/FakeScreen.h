// FakeScreen: stands in for the window and screen calls of the Display (GetDC, GetDeviceCaps
// and ReleaseDC of the screen, GetClientRect, ClientToScreen, OffsetRect) and records them into
// a DDrawCallLog, in order with the DirectDraw calls. Puts the previous calls back when it goes.
#pragma once

#include <windows.h>

#include "DDrawCallLog.h"
#include "PlatformOverride.h"

class FakeScreen {
  public:
    explicit FakeScreen(DDrawCallLog &log);
    ~FakeScreen();
    FakeScreen(const FakeScreen &) = delete;
    FakeScreen &operator=(const FakeScreen &) = delete;

    DDrawCallLog &log;
    HDC screenDC = reinterpret_cast<HDC>(0x5C0);
    int bitsPerPixel = 32; // GetDeviceCaps(BITSPIXEL)
    int planes = 1;        // GetDeviceCaps(PLANES)
    int refreshRate = 60;  // GetDeviceCaps(VREFRESH)
    RECT clientRect = {0, 0, 640, 480};
    POINT clientOrigin = {100, 50}; // where ClientToScreen puts the client area's (0, 0)

    static FakeScreen *current;

  private:
    FakeScreen *previousCurrent;
    PlatformOverride calls;
};
