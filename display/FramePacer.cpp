// Frame pacing for platforms whose vertical-blank wait does not wait.
#include "display/FramePacer.h"

#include <windows.h>

#include "app/PlatformCalls.h"

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

int64_t nextDueTime(int64_t now, int64_t lastDue, int64_t waitTook, int64_t period) {
    if (period <= 0 || lastDue <= 0 || now < lastDue || waitTook >= period / 2)
        return now;
    int64_t due = lastDue + period;
    // A frame late by less than a period is shown at once and the next one catches up; later
    // than that, catching up would rush several frames out, so the grid moves instead.
    return now - due < period ? due : now;
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
    int64_t due = nextDueTime(now, lastFrame, now - waitStarted, period);
    if (due > now)
        waitUntilTick(due, ticksPerSecond);
    lastFrame = due;
}

int64_t pacingClockNow() {
    LARGE_INTEGER now;
    platform.QueryPerformanceCounter(&now);
    return now.QuadPart;
}
