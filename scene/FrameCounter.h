// FrameCounter: counts the frames drawn, recomputes the rate about once a second, and writes
// "Frame Rate = NN" onto a surface.
#pragma once

#include <cstdint>

#include <windows.h>

class Surface;

class FrameCounter {
  public:
    // Counts one frame; recomputes rate when more than 1000 ms have passed since the last time.
    void tick();
    // Writes the rate as text with its top-left corner at (x, y) on target.
    void draw(int32_t x, int32_t y, COLORREF colour, Surface *target);

    uint32_t rate;
    uint32_t frameCount;
    uint32_t framesAtLastUpdate;
    uint32_t lastUpdateTime;
};
