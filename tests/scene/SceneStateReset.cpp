// Resets the scene's process-wide state between tests.
#include "SceneStateReset.h"

#include <algorithm>

#include "scene/Scene.h"
#include "scene/starField.h"

void resetSceneState() {
    currentDisplay = nullptr;
    midiPlayer = nullptr;
    dataFile = nullptr;
    ballSprite = nullptr;
    starSprite = nullptr;
    logoSprite = nullptr;
    frameCounter = FrameCounter{};
    fullScreenNext = 0;
    const int32_t startX[BALL_COUNT] = {0, 500, 100};
    const int32_t startY[BALL_COUNT] = {0, 300, 400};
    const int32_t startDX[BALL_COUNT] = {0, -2, -2};
    const int32_t startDY[BALL_COUNT] = {0, -2, -2};
    std::copy(startX, startX + BALL_COUNT, ballX);
    std::copy(startY, startY + BALL_COUNT, ballY);
    std::copy(startDX, startDX + BALL_COUNT, ballDX);
    std::copy(startDY, startDY + BALL_COUNT, ballDY);
    logoX = 640;
    std::fill(stars, stars + STAR_COUNT, Star{0, 0});
    starRandomState = 1;
}
