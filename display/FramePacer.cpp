// Frame pacing for platforms whose vertical-blank wait does not wait.
#include "display/FramePacer.h"

#include <windows.h>

#include "platform/PlatformCalls.h"

bool framePacingEnabled = true;

namespace {

constexpr int DEFAULT_REFRESH_HZ = 60;

// The refresh rate of the screen, or the default when the driver does not know it.
int screenRefreshRate() {
    HDC screen = platform.GetDC(nullptr);
    int hz = platform.GetDeviceCaps(screen, VREFRESH);
    platform.ReleaseDC(nullptr, screen);
    // NOTE: Windows and Wine report 0 or 1 for "the hardware's default"; assume 60 Hz then.
    return hz > 1 ? hz : DEFAULT_REFRESH_HZ;
}

} // namespace

int64_t pacingDelay(int64_t sinceLastFrame, int64_t waitTook, int64_t period) {
    if (period <= 0 || sinceLastFrame < 0 || waitTook >= period / 2)
        return 0;
    int64_t remaining = period - sinceLastFrame;
    return remaining > period / 8 ? remaining : 0;
}

FramePacer::FramePacer() : ticksPerSecond(0), period(0), lastFrame(0), waitStarted(0) {}

void FramePacer::measure() {
    LARGE_INTEGER frequency;
    if (!platform.QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
        return;
    ticksPerSecond = frequency.QuadPart;
    period = ticksPerSecond / screenRefreshRate();
}

void FramePacer::beforeVerticalBlankWait() {
    if (!framePacingEnabled)
        return;
    if (period == 0)
        measure();
    waitStarted = pacingClockNow();
}

void FramePacer::afterVerticalBlankWait() {
    if (!framePacingEnabled || period == 0)
        return;
    int64_t now = pacingClockNow();
    int64_t delay = lastFrame ? pacingDelay(now - lastFrame, now - waitStarted, period) : 0;
    if (delay > 0) {
        // Keep to the grid of due times so the rate averages out at the refresh rate exactly.
        lastFrame += period;
        waitUntilTick(lastFrame, ticksPerSecond);
    } else {
        lastFrame = now;
    }
}

int64_t pacingClockNow() {
    LARGE_INTEGER now;
    platform.QueryPerformanceCounter(&now);
    return now.QuadPart;
}
