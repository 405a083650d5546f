// FrameCounter::tick: frames counted, the rate recomputed only after more than 1000 ms, in
// unsigned 32-bit arithmetic that survives the clock and the products wrapping.
#include <gtest/gtest.h>

#include "doubles/PlatformOverride.h"
#include "scene/FrameCounter.h"

namespace {

DWORD fakeNow = 0;
int timeReads = 0;

// Stands in for timeGetTime: the test sets the clock.
DWORD WINAPI fakeTimeGetTime() {
    ++timeReads;
    return fakeNow;
}

constexpr uint32_t UNTOUCHED_RATE = 77;

struct TickCase {
    const char *name;
    uint32_t startTime;
    uint32_t framesBefore;
    uint32_t frames;
    uint32_t elapsed;
    bool recomputes;
    uint32_t expectedRate;
};

class FrameCounterTickTest : public ::testing::TestWithParam<TickCase> {
  protected:
    void SetUp() override {
        calls.set(&PlatformCalls::timeGetTime, fakeTimeGetTime);
        timeReads = 0;
    }
    PlatformOverride calls;
};

// A counter as left by a recomputation at startTime with framesBefore frames counted.
FrameCounter counterUpdatedAt(uint32_t startTime, uint32_t framesBefore) {
    FrameCounter counter = {};
    counter.rate = UNTOUCHED_RATE;
    counter.frameCount = framesBefore;
    counter.framesAtLastUpdate = framesBefore;
    counter.lastUpdateTime = startTime;
    return counter;
}

TEST_P(FrameCounterTickTest, RecomputesOnlyAfterMoreThanASecond) {
    const TickCase &c = GetParam();
    FrameCounter counter = counterUpdatedAt(c.startTime, c.framesBefore);

    // All frames but the last at the start time, the last one once `elapsed` has passed.
    fakeNow = c.startTime;
    for (uint32_t i = 1; i < c.frames; ++i) {
        counter.tick();
    }
    fakeNow = c.startTime + c.elapsed;
    counter.tick();

    EXPECT_EQ(c.frames, timeReads);
    EXPECT_EQ(c.framesBefore + c.frames, counter.frameCount);
    if (c.recomputes) {
        EXPECT_EQ(c.expectedRate, counter.rate);
        EXPECT_EQ(counter.frameCount, counter.framesAtLastUpdate);
        EXPECT_EQ(fakeNow, counter.lastUpdateTime);
    } else {
        EXPECT_EQ(UNTOUCHED_RATE, counter.rate);
        EXPECT_EQ(c.framesBefore, counter.framesAtLastUpdate);
        EXPECT_EQ(c.startTime, counter.lastUpdateTime);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, FrameCounterTickTest,
    ::testing::Values(
        TickCase{"Exactly1000MsKeepsTheRate", 5000, 300, 60, 1000, false, 0},
        TickCase{"Within1000MsKeepsTheRate", 5000, 300, 30, 500, false, 0},
        TickCase{"Over1001MsRecomputes", 5000, 300, 60, 1001, true, 59},
        TickCase{"FiftyNineFramesOver1001MsTruncateTo58", 5000, 300, 59, 1001, true, 58},
        TickCase{"SixtyFramesOver1016MsGive59", 5000, 300, 60, 1016, true, 59},
        TickCase{"ClockWrappingPast2To32", 0xFFFFFE00u, 300, 90, 1500, true, 60},
        TickCase{"FrameCountTimes1000WrappingPast2To32", 5000, 4294967u, 60, 1001, true, 59},
        TickCase{"FirstTickFromClockStartGivesZero", 0, 0, 1, 5000, true, 0}),
    [](const ::testing::TestParamInfo<TickCase> &info) { return info.param.name; });

TEST(FrameCounterStartTest, FirstTickSoonAfterClockStartMeasuresFromZero) {
    PlatformOverride calls;
    calls.set(&PlatformCalls::timeGetTime, fakeTimeGetTime);
    FrameCounter counter = {};
    // The first interval runs from clock value 0: at 1000 ms it has not yet passed.
    fakeNow = 1000;
    counter.tick();
    EXPECT_EQ(0u, counter.rate);
    EXPECT_EQ(0u, counter.lastUpdateTime);
    fakeNow = 1001;
    counter.tick();
    EXPECT_EQ(1u, counter.rate) << "2 frames * 1000 / 1001 ms";
    EXPECT_EQ(2u, counter.framesAtLastUpdate);
    EXPECT_EQ(1001u, counter.lastUpdateTime);
}

} // namespace
