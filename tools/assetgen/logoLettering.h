// logoLettering: the word "Zorv2" as a signed distance field, in the logo's pixel coordinates,
// from hand-made geometric glyphs of bold strokes 15 pixels wide, each drawn from its own left
// edge, the word centred in the logo. Parts of a glyph overlap where they join, so that the bevel
// sees one solid stroke and no seam.
#pragma once

#include "Vector.h"

// Width and height of the logo picture.
constexpr int LogoWidth = 300;
constexpr int LogoHeight = 100;

// Top of the capitals, top of the small letters, and the baseline.
constexpr double CapitalTop = 12;
constexpr double SmallTop = 32;
constexpr double Baseline = 86;

// Signed distance from p to the nearest letter: negative inside a letter.
double letteringDistance(Vec2 p);
