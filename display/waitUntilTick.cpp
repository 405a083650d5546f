// A precise wait until a point of the performance counter, for the frame pacer.
#include "display/FramePacer.h"

#include <windows.h>

#include "platform/PlatformCalls.h"

namespace {

// NOTE: Windows 10 1803 and later; older MinGW headers lack the name.
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION_FLAG = 0x00000002;
// The last stretch is spun on the counter, because timers may wake up to about 1 ms late.
constexpr int64_t SPIN_MICROSECONDS = 1000;

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

void waitUntilTick(int64_t deadline, int64_t ticksPerSecond) {
    int64_t remaining = deadline - pacingClockNow();
    int64_t sleepFor = remaining * 1000000 / ticksPerSecond - SPIN_MICROSECONDS;
    if (sleepFor > 0)
        sleepMicroseconds(sleepFor);
    while (pacingClockNow() < deadline)
        YieldProcessor();
}
