// The screen's device capabilities, read by the windowed set-up and the scene (colour depth)
// and by the frame pacer (refresh rate).
#pragma once

#include <cstddef>
#include <cstdint>

// Reads GetDeviceCaps for each of the count indexes into values, in order, all through one
// device context of the screen that is given back afterwards.
void readScreenCaps(const int *indexes, int *values, size_t count);
// The desktop's colour depth in bits per pixel.
int32_t desktopBitsPerPixel();
