// The frame pacer's decision and its waits, on an injected clock: it keeps the frames on a grid
// of due times one frame period apart, only when the vertical-blank wait did not wait.
#include <gtest/gtest.h>

#include <cmath>

#include "display/FramePacer.h"
#include "doubles/DDrawCallLog.h"
#include "doubles/FakeScreen.h"
#include "doubles/PlatformOverride.h"
#include "scene/FrameCounter.h"

namespace {

TEST(NextDueTime, KeepsTheGridUnlessThePlatformPacesOrTheFrameIsAPeriodBehind) {
    struct Case {
        int64_t now, lastDue, waitTook, period, expected;
    };
    const Case cases[] = {
        {10100, 10000, 0, 1000, 11000},   // a fast frame: due one period after the last
        {10990, 10000, 10, 1000, 11000},  // even when only a little is left
        {11000, 10000, 0, 1000, 11000},   // exactly due
        {11500, 10000, 0, 1000, 11000},   // late by less than a period: at once, grid kept
        {11999, 10000, 0, 1000, 11000},   //
        {12000, 10000, 0, 1000, 12000},   // a whole period late: the grid starts afresh
        {15000, 10000, 0, 1000, 15000},   // a slow frame
        {10950, 10000, 100, 1000, 10950}, // the wait ended at the frame's blank: it paces
        {10650, 10000, 100, 1000, 10650}, // even 0.35 of a period early
        {10100, 10000, 500, 1000, 11000}, // no blank so early: the thread was held up
        {10100, 10000, 499, 1000, 11000}, //
        {10100, 0, 0, 1000, 10100},       // the first frame
        {10100, 10000, 0, 0, 10100},      // no period known
        {9995, 10000, 0, 1000, 9995},     // a clock that went backwards
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "now " << c.now << ", wait " << c.waitTook);
        EXPECT_EQ(c.expected, nextDueTime(c.now, c.lastDue, c.waitTook, c.period, c.period));
    }
}

// A clock in microseconds that only the fake waits move (and each reading, by one tick).
struct FakeClock {
    int64_t now = 1000000;
    int reads = 0;
    int sleeps = 0;
    int64_t slept = 0;
};
FakeClock fakeClock;

WINBOOL WINAPI fakeCounter(LARGE_INTEGER *value) {
    ++fakeClock.reads;
    value->QuadPart = fakeClock.now++;
    return TRUE;
}

WINBOOL WINAPI fakeFrequency(LARGE_INTEGER *value) {
    value->QuadPart = 1000000;
    return TRUE;
}

// Any handle: the fake timer calls below stand for it.
HANDLE WINAPI fakeCreateTimer(LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD) {
    return reinterpret_cast<HANDLE>(1);
}

MMRESULT WINAPI fakeTimeBeginPeriod(UINT) {
    return TIMERR_NOERROR;
}

// Sleep that moves the fake clock; pacingTimer() may hold a real timer from an earlier test,
// whose calls are faked to the same effect.
void WINAPI fakeSleep(DWORD milliseconds) {
    ++fakeClock.sleeps;
    fakeClock.slept += int64_t(milliseconds) * 1000;
    fakeClock.now += int64_t(milliseconds) * 1000;
}

int64_t pendingTimer = 0;

WINBOOL WINAPI fakeSetTimer(HANDLE, const LARGE_INTEGER *due, LONG, PTIMERAPCROUTINE, LPVOID,
                            WINBOOL) {
    pendingTimer = -due->QuadPart / 10;
    return TRUE;
}

DWORD WINAPI fakeWait(HANDLE, DWORD) {
    ++fakeClock.sleeps;
    fakeClock.slept += pendingTimer;
    fakeClock.now += pendingTimer;
    return WAIT_OBJECT_0;
}

class FramePacing : public ::testing::Test {
  protected:
    FramePacing() {
        fakeClock = FakeClock();
        calls.set(&PlatformCalls::QueryPerformanceCounter, fakeCounter);
        calls.set(&PlatformCalls::QueryPerformanceFrequency, fakeFrequency);
        calls.set(&PlatformCalls::CreateWaitableTimerExW, fakeCreateTimer);
        calls.set(&PlatformCalls::timeBeginPeriod, fakeTimeBeginPeriod);
        calls.set(&PlatformCalls::Sleep, fakeSleep);
        calls.set(&PlatformCalls::SetWaitableTimer, fakeSetTimer);
        calls.set(&PlatformCalls::WaitForSingleObject, fakeWait);
        screen.refreshRate = 50; // 20000 us a frame
        framePacingEnabled = true;
    }
    ~FramePacing() override { framePacingEnabled = true; }

    // One present: the vertical-blank wait takes waitTakes microseconds.
    void frame(int64_t waitTakes = 0) {
        pacer.beforeVerticalBlankWait();
        fakeClock.now += waitTakes;
        pacer.afterVerticalBlankWait();
    }

    PlatformOverride calls;
    DDrawCallLog log;
    FakeScreen screen{log};
    FramePacer pacer;
};

TEST_F(FramePacing, MeasuresThePeriodFromTheScreensRefreshRate) {
    frame();
    EXPECT_EQ(1000000, pacer.ticksPerSecond);
    EXPECT_EQ(20000, pacer.period);
    EXPECT_EQ(VREFRESH, log.callsOf("GetDeviceCaps")[0].capabilityIndex);
    EXPECT_EQ(1, log.count("ReleaseDC"));
}

TEST_F(FramePacing, RefreshOfOneOrZeroOrOverAThousandMeansSixtyHertz) {
    for (int reported : {0, 1, 1001}) {
        screen.refreshRate = reported;
        FramePacer fresh;
        fresh.beforeVerticalBlankWait();
        EXPECT_EQ(1000000 / 60, fresh.period) << reported;
    }
}

TEST_F(FramePacing, FastFramesAreSpacedOnePeriodApart) {
    frame();
    int64_t first = fakeClock.now;
    for (int i = 0; i < 10; ++i) {
        fakeClock.now += 3000; // the frame's drawing
        frame();
    }
    int64_t perFrame = (fakeClock.now - first) / 10;
    EXPECT_GE(perFrame, 20000);
    EXPECT_LE(perFrame, 20010);
    EXPECT_EQ(10, fakeClock.sleeps);
    // Only the last 0.2 ms of each wait is spun (plus the fake clock's ticks per reading).
    EXPECT_GE(fakeClock.slept, 10 * (20000 - 3000 - 210)) << "sleeps, not only spins";
}

TEST_F(FramePacing, ALateFrameIsMadeUpSoTheAverageStaysAtTheRefreshRate) {
    frame();
    int64_t first = fakeClock.now;
    for (int i = 0; i < 10; ++i) {
        fakeClock.now += i == 4 ? 27000 : 3000; // one frame 7 ms late
        frame();
    }
    int64_t elapsed = fakeClock.now - first;
    EXPECT_GE(elapsed, 10 * 20000);
    EXPECT_LE(elapsed, 10 * 20000 + 10);
    EXPECT_EQ(9, fakeClock.sleeps) << "the late frame is shown at once";
}

TEST_F(FramePacing, AWaitThatWaitedIsLeftAlone) {
    frame(16000);
    for (int i = 0; i < 5; ++i) {
        fakeClock.now += 1000;
        frame(19000);
    }
    EXPECT_EQ(0, fakeClock.sleeps);
}

TEST_F(FramePacing, SlowFramesAreNotDelayed) {
    frame();
    fakeClock.now += 25000;
    frame();
    EXPECT_EQ(0, fakeClock.sleeps);
}

TEST_F(FramePacing, SwitchedOffItReadsNoClock) {
    framePacingEnabled = false;
    frame();
    frame();
    EXPECT_EQ(0, fakeClock.reads);
    EXPECT_TRUE(log.calls.empty());
}

DWORD WINAPI fakeTimeGetTime() {
    return static_cast<DWORD>(fakeClock.now / 1000);
}

// A display that reports hz, runs at blankRate and whose wait returns at its next blank (at once
// when blankRate is 0, as under Wine); ten simulated seconds of frames whose work is 0.3 ms, 80 %
// of their time, or steps between the two: each is shown on its own blank, `blanks` after the last.
TEST_F(FramePacing, EveryFrameIsShownForItsOwnBlanksAtEveryRefreshRate) {
    calls.set(&PlatformCalls::timeGetTime, fakeTimeGetTime);
    const struct {
        int hz;
        double blankRate;
        int blanks;
    } cases[] = {{60, 60.3, 1},   {60, 59.94, 1},  {75, 75.4, 1},   {85, 85.4, 1},
                 {100, 100.5, 2}, {120, 120.6, 2}, {144, 144.7, 2}, {165, 165.8, 2},
                 {240, 241.2, 3}, {360, 361.8, 5}, {60, 0, 1},      {144, 0, 2}};
    for (const auto &c : cases) {
        const double rate = c.blankRate ? c.blankRate : c.hz, blank = 1e6 / rate;
        for (int64_t steps : {0, 6, 7}) { // of six from the shortest work: 7 takes each in turn
            SCOPED_TRACE(::testing::Message() << rate << " Hz, work steps " << steps);
            screen.refreshRate = c.hz;
            FramePacer fresh;
            FrameCounter counter = {};
            int64_t lastShown = 0;
            for (int64_t k = 0, end = fakeClock.now + 10000000; fakeClock.now < end; ++k) {
                fakeClock.now += 300 + int64_t(c.blanks * blank * 0.8 - 300) * (steps % 7) / 6;
                steps += steps >= 7 ? 1 : 0;
                counter.tick();
                fresh.beforeVerticalBlankWait();
                if (c.blankRate)
                    fakeClock.now =
                        int64_t(std::ceil((std::floor(fakeClock.now / blank) + 1) * blank));
                fresh.afterVerticalBlankWait();
                ASSERT_TRUE(!c.blankRate || std::fmod(fakeClock.now, blank) < blank / 10) << k;
                if (lastShown) {
                    ASSERT_NEAR(c.blanks * blank, fakeClock.now - lastShown, blank / 10) << k;
                }
                lastShown = fakeClock.now;
            }
            EXPECT_NEAR(int(rate / c.blanks), counter.rate, 1) << "the read-out truncates";
        }
    }
}

} // namespace
