#include "SceneDataFile.h"

Bytes demoTune() {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
}

Bytes makeDemoDataFile(int32_t ballSize, int32_t starSize, int32_t logoWidth, int32_t logoHeight) {
    return makeDataFile({
        {"Zorvd.mid", demoTune()},
        {"ball.bmp", buildBmp({ballSize, ballSize})},
        {"star.bmp", buildBmp({starSize, starSize})},
        {"logo.bmp", buildBmp({logoWidth, logoHeight})},
    });
}
