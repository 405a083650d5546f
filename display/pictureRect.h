// Where the back buffer's picture goes in a window: scaled by whole numbers where the window
// has room, so every pixel stays a sharp square block, and centred.
#pragma once

#include <cstdint>

#include <windows.h>

// The rectangle, inside area, that a picture of width x height is shown in: scaled by the largest
// whole number that fits and centred (halves round toward the area's top left). An area smaller
// than the picture gets it shrunk to fit, its proportions kept, and centred.
RECT pictureRect(const RECT &area, int32_t width, int32_t height);
