#include "FrameRateReader.h"

#include <cstdio>

namespace {

constexpr int TEXT_WIDTH = 200;
constexpr int TEXT_HEIGHT = 24;
constexpr int HIGHEST_RATE = 999;

// How many white pixels of candidate are white in capture too; -1 if any is not.
int whitePixelsCovered(const Capture &candidate, const Capture &capture) {
    int covered = 0;
    for (int y = 0; y < TEXT_HEIGHT; ++y) {
        for (int x = 0; x < TEXT_WIDTH; ++x) {
            if (isWhite(candidate.at(x, y))) {
                if (!isWhite(capture.at(x, y))) {
                    return -1;
                }
                ++covered;
            }
        }
    }
    return covered;
}

} // namespace

int readFrameRate(const Capture &capture) {
    int bestRate = -1, bestCovered = 0;
    for (int rate = 0; rate <= HIGHEST_RATE; ++rate) {
        char text[32];
        std::snprintf(text, sizeof text, "Frame Rate = %02d", rate);
        int covered = whitePixelsCovered(renderText(text, TEXT_WIDTH, TEXT_HEIGHT), capture);
        // The longest text that fits wins: "Frame Rate = 6" is inside "Frame Rate = 60".
        if (covered > bestCovered) {
            bestRate = rate;
            bestCovered = covered;
        }
    }
    return bestRate;
}
