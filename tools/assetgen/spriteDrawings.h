// spriteDrawings: the three pictures of the demo, drawn in full colour.
#pragma once

#include "Canvas.h"

// A glossy shaded ball, 32x32.
Canvas drawBall();

// A small sparkling star with a bright core and four long and four short rays, 16x16.
Canvas drawStar();

// The word "Zorv2" in bold bevelled letters with a golden gradient and an outline, 300x100.
Canvas drawLogo();
