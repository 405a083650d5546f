// FrameRateReader: reads the number of the "Frame Rate = NN" text off a screen capture, by
// drawing every candidate text the same way and keeping the one whose white pixels all show white
// on the screen (sprites never cover the text).
#pragma once

#include "ScreenCapture.h"

// The rate shown at the top-left of capture, or -1 when no candidate text matches.
int readFrameRate(const Capture &capture);
