#include "scene/FrameCounter.h"

#include "platform/PlatformCalls.h"
#include "display/Surface.h"

void FrameCounter::tick() {
    frameCount += 1;
    uint32_t now = platform.timeGetTime();
    // Unsigned difference: stays right when the clock wraps past 2^32.
    uint32_t elapsed = now - lastUpdateTime;
    if (elapsed <= 1000) {
        return;
    }
    rate = (frameCount * 1000u - framesAtLastUpdate * 1000u) / elapsed;
    framesAtLastUpdate = frameCount;
    lastUpdateTime = now;
}

void FrameCounter::draw(int32_t x, int32_t y, COLORREF colour, Surface *target) {
    // "Frame Rate = " plus at most ten digits and the NUL: 24 characters fit with room to spare.
    char text[32];
    platform.wsprintfA(text, "Frame Rate = %02d", rate);
    // A failed getDC (a lost back buffer) is not fatal: the text is then simply not shown.
    target->getDC();
    target->drawText(x, y, text, colour);
    target->releaseDC();
}
