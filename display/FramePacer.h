// FramePacer: keeps presented frames one refresh period apart when the wait for the vertical
// blank returns at once, as it does under Wine, so the animation runs at the refresh rate
// instead of racing. On a platform whose wait really waits it changes nothing.
#pragma once

#include <cstdint>

// True (the default) lets every FramePacer pace; a benchmark or a test may switch it off.
extern bool framePacingEnabled;

// How many clock ticks to wait before showing a frame, given the ticks since the previous frame,
// the ticks the vertical-blank wait itself took and the refresh period. 0 when the wait did wait
// (took at least half a period), or when less than an eighth of the period is left.
int64_t pacingDelay(int64_t sinceLastFrame, int64_t waitTook, int64_t period);

class FramePacer {
  public:
    FramePacer();

    // Notes the time just before the wait for the vertical blank.
    void beforeVerticalBlankWait();
    // Waits out the rest of the refresh period when the wait did not, then notes the frame.
    void afterVerticalBlankWait();

    int64_t ticksPerSecond; // of the performance counter; 0 until first needed
    int64_t period;         // one refresh period in ticks; 0 until first needed
    int64_t lastFrame;      // when the previous frame was due to show; 0 before the first
    int64_t waitStarted;

  private:
    // Reads the counter frequency and the screen's refresh rate (60 Hz when it reports 0 or 1).
    void measure();
};

// The performance counter now.
int64_t pacingClockNow();
// Returns once the performance counter reaches deadline: sleeps most of the way on a
// high-resolution timer (or Sleep with a 1 ms timer period), then spins the last stretch.
void waitUntilTick(int64_t deadline, int64_t ticksPerSecond);
