// Display: the DirectDraw device of one display mode, windowed or exclusive full screen,
// with its primary surface, one back buffer and (windowed) the clipper bound to the window:
// both set-ups, the present, recovery of lost surfaces and the tear-down.
#pragma once

#include <cstdint>

#include <windows.h>
#include <ddraw.h>

#include "platform/ResultCode.h"
#include "display/FramePacer.h"
#include "display/Surface.h"

// Set by the Display set-ups; kept when a Display is released.
extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern int32_t ScreenBitsPerPixel;

// The DirectDraw object of the current Display; null when there is none.
extern IDirectDraw2 *directDraw;

// The argument of Display::present that asks it to wait for the vertical blank first.
constexpr int32_t PRESENT_AT_VERTICAL_BLANK = 1;
// The argument of Display::setFullScreen that asks for the standard VGA form of a mode.
constexpr int32_t MODE_STANDARD_VGA = 1;

class Display {
  public:
    Display();

    ResultCode setFullScreen(HWND window, int32_t width, int32_t height, int32_t bitsPerPixel,
                             int32_t standardVga);
    ResultCode setWindowed(HWND window, int32_t width, int32_t height);
    // Waits for the vertical blank (when asked) and shows the back buffer.
    void present(int32_t waitForVerticalBlank);
    void restoreLost();
    void release();

    IDirectDrawClipper *clipper;
    Surface *primary;
    Surface *backBuffer;
    int32_t fullScreen;
    HWND window;
    // 1 once a Restore answered DDERR_WRONGMODE: the surfaces were made for a display mode that
    // is gone, and only a new Display shows anything again.
    int32_t wrongMode;
    // Keeps the frames a refresh period apart where the vertical-blank wait returns at once.
    FramePacer pacer;
    // Windowed: the part of the window's client area, in client coordinates, that the picture is
    // fitted into and centred in; empty (as made), the whole client area. Set before the set-up.
    RECT pictureArea;
};
