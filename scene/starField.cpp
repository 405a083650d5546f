#include "scene/starField.h"

#include "scene/Scene.h"

uint32_t starRandomState = STAR_RANDOM_START;

int32_t starRandom() {
    starRandomState = starRandomState * 214013u + 2531011u;
    return static_cast<int32_t>((starRandomState >> 16) & 0x7FFFu);
}

void seedStars() {
    for (Star &star : stars) {
        star.x = starRandom() % SCREEN_WIDTH;
        star.y = starRandom() % SCREEN_HEIGHT;
    }
}
