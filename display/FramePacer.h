// FramePacer: keeps the animation at the pace of the displays it was made for, 60 to 85 frames a
// second. Each frame is shown for the same whole number of vertical blanks, one on a display of
// up to 85 Hz and more on a faster one (two at 144 Hz, three at 240 Hz), so the motion stays
// even. Where the wait for the vertical blank returns at once, as it does under Wine, the pacer
// keeps the frames that far apart on its own clock instead of racing.
#pragma once

#include <cstdint>

// True (the default) lets every FramePacer pace; a benchmark or a test may switch it off.
extern bool framePacingEnabled;

// The refresh rates no display runs at: the driver's "default" (0 or 1) and nonsense readings.
constexpr int LOWEST_KNOWN_REFRESH_HZ = 2;
constexpr int HIGHEST_KNOWN_REFRESH_HZ = 1000;
// The rate taken for a display that does not say, or whose reading is not believable.
constexpr int DEFAULT_REFRESH_HZ = 60;
// The fastest pace the animation was made for, in frames a second.
constexpr int HIGHEST_FRAME_RATE = 85;

// The refresh rate to pace by: hz, or the default when it is unknown.
int knownRefreshRate(int hz);
// How many vertical blanks each frame is shown for: the fewest that bring hz down to at most
// HIGHEST_FRAME_RATE frames a second.
int blanksPerFrame(int hz);

// When the frame ready now is due to show, in clock ticks, a due time not after now meaning
// "show it at once". The wait for the vertical blank, which took waitTook, counts as having
// waited when it took at least a tenth of a refresh period and ended no earlier than half a
// refresh period before the frame was due: it then returned at the frame's own blank, and the
// frame is shown at once, the grid starting afresh there. Otherwise the frame is due one frame
// period after the previous due time, so the frames keep to a grid and average out at the frame
// rate exactly. The grid also starts afresh at now on the first frame, when no period is known,
// when the clock went backwards, and when the frame is a whole frame period behind.
int64_t nextDueTime(int64_t now, int64_t lastDue, int64_t waitTook, int64_t refreshPeriod,
                    int64_t framePeriod);

class FramePacer {
  public:
    FramePacer();

    // Lets the blanks before the frame's own one go by, then notes the time just before the wait
    // for the vertical blank.
    void beforeVerticalBlankWait();
    // Waits until the frame is due when the vertical-blank wait did not wait, then notes it.
    void afterVerticalBlankWait();

    int64_t ticksPerSecond; // of the performance counter; 0 until first needed
    int64_t period;         // one refresh period in ticks; 0 until first needed
    int64_t framePeriod;    // the blanks of one frame, in ticks; 0 until first needed
    int64_t lastFrame;      // when the previous frame was due to show; 0 before the first
    int64_t waitStarted;

  private:
    // Reads the counter frequency and the screen's refresh rate, once per Display: a new display
    // mode may run at another rate.
    void measure();
};

// The performance counter now.
int64_t pacingClockNow();
// Returns once the performance counter reaches deadline: sleeps on a high-resolution timer to
// about 0.2 ms before it and spins the rest (with Sleep and a 1 ms timer period where there is
// no such timer, and a longer spin).
void waitUntilTick(int64_t deadline, int64_t ticksPerSecond);
