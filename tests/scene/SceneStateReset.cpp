#include "SceneStateReset.h"

#include <algorithm>

#include "scene/Scene.h"
#include "scene/SceneHost.h"
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
    std::copy(BALL_START_X, BALL_START_X + BALL_COUNT, ballX);
    std::copy(BALL_START_Y, BALL_START_Y + BALL_COUNT, ballY);
    std::copy(BALL_START_DX, BALL_START_DX + BALL_COUNT, ballDX);
    std::copy(BALL_START_DY, BALL_START_DY + BALL_COUNT, ballDY);
    logoX = LOGO_START_X;
    std::fill(stars, stars + STAR_COUNT, Star{0, 0});
    starRandomState = STAR_RANDOM_START;
    centreWhenRestored = false;
    sceneHost = SceneHost();
}
