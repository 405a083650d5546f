// Scatters the sixty stars: two successive draws per star, x first.
#include "scene/seedStars.h"

#include "scene/Scene.h"
#include "scene/starRandom.h"

void seedStars() {
    for (Star &star : stars) {
        star.x = starRandom() % 640;
        star.y = starRandom() % 480;
    }
}
