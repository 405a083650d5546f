// The size of the windowed demo's window: the 640 x 480 picture times the desktop's whole-number
// scale, so that on a scaled desktop the window is as large as the others and every pixel of the
// picture stays a sharp square block.
#pragma once

#include <cstdint>

#include <windows.h>

// The dots per inch of a desktop at 100 % scale.
constexpr int UNSCALED_DPI = 96;

// The scale for a desktop of dpi dots per inch: the whole part of dpi / 96, at least 1, lowered
// while the scaled window would not fit on a screen of the given size.
int32_t windowScaleFor(SIZE screen, int dpi);
// The windowed window's size on a screen of the given size, at the system's DPI.
SIZE windowSizeFor(SIZE screen);
