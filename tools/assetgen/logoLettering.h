// logoLettering: the word "Zorv2" as a signed distance field, in the logo's pixel coordinates.
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
