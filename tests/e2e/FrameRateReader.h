// FrameRateReader: reads the number of the "Frame Rate = NN" text off a screen capture.
#pragma once

#include "ScreenCapture.h"

// The rate shown at the top-left of capture, or -1 when no candidate text matches.
int readFrameRate(const Capture &capture);
