// quantizeCanvas: reduces a full-colour Canvas to an 8-bit image with its own colour table, by
// median cut with a reserved transparent entry. Everything is integer arithmetic after rounding,
// so the result is the same on every run.
#pragma once

#include "Canvas.h"
#include "IndexedImage.h"

// Pixels covered less than this stay transparent: such faint specks would only look like dust.
constexpr double VisibleCoverage = 0.2;

// The smallest brightest channel of a visible colour. The demo also runs at 15 and 16 bits per
// pixel, where a channel below 8 is cut to 0; a colour that became all 0 there would be taken
// for the transparent colour key and vanish.
constexpr int DarkestVisibleChannel = 16;

// Index 0 is pure black for transparent pixels; visible pixels use entries 1 to 255, chosen by
// median cut over the colours the picture uses.
IndexedImage quantizeCanvas(const Canvas &canvas);
