// Frame pacing for platforms whose vertical-blank wait does not wait, and the precise wait
// until a point of the performance counter that it needs.
#include "display/FramePacer.h"

#include <windows.h>

#include "display/screenCaps.h"
#include "platform/PlatformCalls.h"

bool framePacingEnabled = true;

namespace {

constexpr int DEFAULT_REFRESH_HZ = 60;
// NOTE: Windows 10 1803 and later; older MinGW headers lack the name.
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION_FLAG = 0x00000002;
// The last stretch is spun on the counter, because timers may wake up to about 1 ms late.
constexpr int64_t SPIN_MICROSECONDS = 1000;

// The refresh rate of the screen, or the default when the driver does not know it.
int screenRefreshRate() {
    const int cap = VREFRESH;
    int hz = 0;
    readScreenCaps(&cap, &hz, 1);
    // NOTE: Windows and Wine report 0 or 1 for "the hardware's default"; assume 60 Hz then.
    return hz > 1 ? hz : DEFAULT_REFRESH_HZ;
}

// The process's one pacing timer: high-resolution where the platform has it, else null once
// the 1 ms system timer period has been asked for instead. Left to the process exit.
HANDLE pacingTimer() {
    static bool tried = false;
    static HANDLE timer = nullptr;
    if (!tried) {
        tried = true;
        timer = platform.CreateWaitableTimerExW(
            nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION_FLAG, TIMER_ALL_ACCESS);
        if (!timer)
            platform.timeBeginPeriod(1);
    }
    return timer;
}

// Sleeps about the given number of microseconds, never much longer.
void sleepMicroseconds(int64_t microseconds) {
    HANDLE timer = pacingTimer();
    if (timer) {
        LARGE_INTEGER due;
        due.QuadPart = -microseconds * 10; // relative, in 100 ns units
        if (platform.SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
            platform.WaitForSingleObject(timer, INFINITE);
            return;
        }
    }
    platform.Sleep(static_cast<DWORD>(microseconds / 1000));
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

void waitUntilTick(int64_t deadline, int64_t ticksPerSecond) {
    int64_t remaining = deadline - pacingClockNow();
    int64_t sleepFor = remaining * 1000000 / ticksPerSecond - SPIN_MICROSECONDS;
    if (sleepFor > 0)
        sleepMicroseconds(sleepFor);
    while (pacingClockNow() < deadline)
        YieldProcessor();
}
