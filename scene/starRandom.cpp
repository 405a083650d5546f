// The star field's pseudo-random generator: a linear congruential sequence modulo 2^32.
#include "scene/starRandom.h"

uint32_t starRandomState = 1;

int32_t starRandom() {
    starRandomState = starRandomState * 214013u + 2531011u;
    return static_cast<int32_t>((starRandomState >> 16) & 0x7FFFu);
}
