// FramePacer: keeps presented frames one refresh period apart when the wait for the vertical
// blank returns at once, as it does under Wine, so the animation runs at the refresh rate
// instead of racing. On a platform whose wait really waits it changes nothing.
#pragma once

#include <cstdint>

// True (the default) lets every FramePacer pace; a benchmark or a test may switch it off.
extern bool framePacingEnabled;

// When the frame ready now is due to show, in clock ticks: one period after the previous due
// time, so the frames keep to a grid and average out at the refresh rate exactly; a due time not
// after now means "show it at once". The grid starts afresh at now on the first frame, when the
// vertical-blank wait did wait (took at least half a period: the platform paces), when no period
// is known, when the clock went backwards, and when the frame is a whole period behind.
int64_t nextDueTime(int64_t now, int64_t lastDue, int64_t waitTook, int64_t period);

class FramePacer {
  public:
    FramePacer();

    // Notes the time just before the wait for the vertical blank.
    void beforeVerticalBlankWait();
    // Waits until the frame is due when the vertical-blank wait did not wait, then notes it.
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
// Returns once the performance counter reaches deadline: sleeps on a high-resolution timer to
// about 0.2 ms before it and spins the rest (with Sleep and a 1 ms timer period where there is
// no such timer, and a longer spin).
void waitUntilTick(int64_t deadline, int64_t ticksPerSecond);
