// A precise wait until a point of the performance counter, for the frame pacer.
#include "display/FramePacer.h"

#include <windows.h>

#include "app/PlatformCalls.h"

namespace {

// NOTE: Windows 10 1803 and later; older MinGW headers lack the name.
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION_FLAG = 0x00000002;
// The last stretch is spun on the counter. The high-resolution timer wakes within a fraction
// of a millisecond, so a short spin keeps the frame on time without burning the core; Sleep,
// even at a 1 ms timer period, may wake up to 2 ms late, so it stops well short of the deadline.
constexpr int64_t TIMER_SPIN_MICROSECONDS = 200;
constexpr int64_t SLEEP_SPIN_MICROSECONDS = 2000;

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
