#include "scene/Scene.h"

#include "platform/PlatformCalls.h"
#include "platform/resultText.h"
#include "scene/SceneHost.h"
#include "scene/windowSizeFor.h"

HWND mainWindow = nullptr;
Display *currentDisplay = nullptr;
MidiPlayer *midiPlayer = nullptr;
DataFile *dataFile = nullptr;
Surface *ballSprite = nullptr;
Surface *starSprite = nullptr;
Surface *logoSprite = nullptr;
FrameCounter frameCounter = {};
int fullScreenNext = 0;
// The animated values start with the process, not with startScene, so display toggles never
// reset them.
int32_t ballX[BALL_COUNT] = {BALL_START_X[0], BALL_START_X[1], BALL_START_X[2]};
int32_t ballY[BALL_COUNT] = {BALL_START_Y[0], BALL_START_Y[1], BALL_START_Y[2]};
int32_t ballDX[BALL_COUNT] = {BALL_START_DX[0], BALL_START_DX[1], BALL_START_DX[2]};
int32_t ballDY[BALL_COUNT] = {BALL_START_DY[0], BALL_START_DY[1], BALL_START_DY[2]};
int32_t logoX = LOGO_START_X;
Star stars[STAR_COUNT] = {};
SIZE windowedScreenSize = {0, 0};
bool centreWhenRestored = false;
SIZE mainWindowSize = {SCREEN_WIDTH, SCREEN_HEIGHT};
SceneHost sceneHost;

SIZE screenSize() {
    return {platform.GetSystemMetrics(SM_CXSCREEN), platform.GetSystemMetrics(SM_CYSCREEN)};
}

POINT centredWindowPosition(int screenWidth, int screenHeight, SIZE window) {
    // Signed halves that round toward zero; nothing clamps a screen smaller than the window.
    return {screenWidth / 2 - window.cx / 2, screenHeight / 2 - window.cy / 2};
}

SIZE centreMainWindow(UINT flags) {
    SIZE screen = screenSize();
    mainWindowSize = windowSizeFor(screen);
    POINT position = centredWindowPosition(screen.cx, screen.cy, mainWindowSize);
    platform.SetWindowPos(mainWindow, HWND_TOP, position.x, position.y, mainWindowSize.cx,
                          mainWindowSize.cy, flags);
    return screen;
}

void reportFailure(ResultCode code) {
    platform.MessageBoxA(mainWindow, resultText(code), "Error!", MB_OK);
}
