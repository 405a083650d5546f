// The demo's process-wide state with its start values. The animated values are start values of
// the process, not of startScene, so display toggles never reset them.
#include "scene/Scene.h"

Display *currentDisplay = nullptr;
MidiPlayer *midiPlayer = nullptr;
DataFile *dataFile = nullptr;
Surface *ballSprite = nullptr;
Surface *starSprite = nullptr;
Surface *logoSprite = nullptr;
FrameCounter frameCounter = {};
int fullScreenNext = 0;
// Ball 0 starts at rest in the corner; the first frame's bounce sets it moving.
int32_t ballX[BALL_COUNT] = {0, 500, 100};
int32_t ballY[BALL_COUNT] = {0, 300, 400};
int32_t ballDX[BALL_COUNT] = {0, -2, -2};
int32_t ballDY[BALL_COUNT] = {0, -2, -2};
int32_t logoX = 640;
Star stars[STAR_COUNT] = {};
