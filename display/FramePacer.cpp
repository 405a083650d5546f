#include "display/FramePacer.h"

#include <windows.h>

#include "display/screenCaps.h"
#include "platform/PlatformCalls.h"

bool framePacingEnabled = true;

namespace {

// NOTE: Windows 10 1803 and later; older MinGW headers lack the name.
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION_FLAG = 0x00000002;
// The last stretch is spun on the counter. The high-resolution timer wakes within a fraction
// of a millisecond, so a short spin keeps the frame on time without burning the core; Sleep,
// even at a 1 ms timer period, may wake up to 2 ms late, so it stops well short of the deadline.
constexpr int64_t TIMER_SPIN_MICROSECONDS = 200;
constexpr int64_t SLEEP_SPIN_MICROSECONDS = 2000;

// A wait shorter than this share of a refresh period did not wait for a blank: it returned at
// once, or at a blank too close to tell from no wait at all.
constexpr int64_t SHORTEST_WAIT_PARTS = 10;

// The refresh rate of the screen, or the default when the driver does not know it.
int screenRefreshRate() {
    const int cap = VREFRESH;
    int hz = 0;
    readScreenCaps(&cap, &hz, 1);
    return knownRefreshRate(hz);
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

// Sleeps about the given number of microseconds on timer (Sleep when null), never much longer.
void sleepMicroseconds(HANDLE timer, int64_t microseconds) {
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

int knownRefreshRate(int hz) {
    // NOTE: Windows and Wine report 0 or 1 for "the hardware's default"; assume 60 Hz then.
    return hz >= LOWEST_KNOWN_REFRESH_HZ && hz <= HIGHEST_KNOWN_REFRESH_HZ ? hz
                                                                           : DEFAULT_REFRESH_HZ;
}

int blanksPerFrame(int hz) {
    return (hz + HIGHEST_FRAME_RATE - 1) / HIGHEST_FRAME_RATE;
}

int64_t nextDueTime(int64_t now, int64_t lastDue, int64_t waitTook, int64_t refreshPeriod,
                    int64_t framePeriod) {
    if (refreshPeriod <= 0 || framePeriod <= 0 || lastDue <= 0 || now < lastDue)
        return now;
    int64_t due = lastDue + framePeriod;
    // A wait that returned at the frame's own blank: the platform paces. A long wait that ended
    // well before the frame was due is no blank but a thread that lost the processor meanwhile.
    if (waitTook >= refreshPeriod / SHORTEST_WAIT_PARTS && now >= due - refreshPeriod / 2)
        return now;
    // A frame late by less than a frame period is shown at once and the next one catches up;
    // later than that, catching up would rush several frames out, so the grid moves instead.
    return now - due < framePeriod ? due : now;
}

FramePacer::FramePacer()
    : ticksPerSecond(0), period(0), framePeriod(0), lastFrame(0), waitStarted(0) {}

void FramePacer::measure() {
    LARGE_INTEGER frequency;
    if (!platform.QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
        return;
    ticksPerSecond = frequency.QuadPart;
    int hz = screenRefreshRate();
    period = ticksPerSecond / hz;
    framePeriod = ticksPerSecond * blanksPerFrame(hz) / hz;
}

void FramePacer::beforeVerticalBlankWait() {
    if (!framePacingEnabled)
        return;
    if (period == 0)
        measure();
    // A frame shown for several blanks sleeps through all but its last: the wait then returns
    // at the frame's own blank, half a refresh period after the sleep, and never at an earlier one.
    if (framePeriod > period && lastFrame > 0) {
        int64_t wakeAt = lastFrame + framePeriod - period / 2;
        if (pacingClockNow() < wakeAt)
            waitUntilTick(wakeAt, ticksPerSecond);
    }
    waitStarted = pacingClockNow();
}

void FramePacer::afterVerticalBlankWait() {
    if (!framePacingEnabled || period == 0)
        return;
    int64_t now = pacingClockNow();
    int64_t due = nextDueTime(now, lastFrame, now - waitStarted, period, framePeriod);
    if (due > now)
        waitUntilTick(due, ticksPerSecond);
    lastFrame = due;
}

int64_t pacingClockNow() {
    LARGE_INTEGER now;
    platform.QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void waitUntilTick(int64_t deadline, int64_t ticksPerSecond) {
    HANDLE timer = pacingTimer();
    int64_t spin = timer ? TIMER_SPIN_MICROSECONDS : SLEEP_SPIN_MICROSECONDS;
    int64_t remaining = deadline - pacingClockNow();
    int64_t sleepFor = remaining * 1000000 / ticksPerSecond - spin;
    if (sleepFor > 0)
        sleepMicroseconds(timer, sleepFor);
    while (pacingClockNow() < deadline)
        YieldProcessor();
}
