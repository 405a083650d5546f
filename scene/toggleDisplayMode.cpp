// The Alt+Enter toggle: replaces the Display with one of the other mode and reloads the sprites
// onto surfaces of the new DirectDraw object.
#include <initializer_list>

#include "datafile/DataFile.h"
#include "display/Display.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"

namespace {

// Gives back the sprites' surfaces while the DirectDraw object that made them still lives.
// NOTE: Wine keeps a surface alive past its DirectDraw object, so without this every toggle
// would leak the three sprite surfaces there; on Windows it only ends them a moment earlier.
void releaseSpriteSurfaces() {
    for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        sprite->releaseSurface();
    }
}

// Releases and deletes the current Display and puts a fresh, unset one in its place.
void replaceDisplay() {
    releaseSpriteSurfaces();
    currentDisplay->release();
    delete currentDisplay;
    currentDisplay = new Display();
}

// Moves the screen-sized window back to the middle of the screen and to the top.
void centreMainWindow() {
    POINT position = centredWindowPosition(platform.GetSystemMetrics(SM_CXSCREEN),
                                           platform.GetSystemMetrics(SM_CYSCREEN));
    platform.SetWindowPos(mainWindow, HWND_TOP, position.x, position.y, SCREEN_WIDTH, SCREEN_HEIGHT,
                          0);
}

// Shows a failed set-up and asks the message loop to end the program.
void reportSetUpFailure(ResultCode result) {
    reportFailure(result);
    platform.PostQuitMessage(0);
}

// Builds the display of the other mode; fullScreenNext flips whatever the outcome.
ResultCode setUpNextDisplay() {
    ResultCode result;
    if (fullScreenNext == 1) {
        // The depth is the desktop's, as the previous windowed set-up measured it.
        result = currentDisplay->setFullScreen(mainWindow, SCREEN_WIDTH, SCREEN_HEIGHT,
                                               ScreenBitsPerPixel, MODE_STANDARD_VGA);
        if (result != RC_SUCCESS) {
            reportSetUpFailure(result);
        }
        fullScreenNext = 0;
    } else {
        result = currentDisplay->setWindowed(mainWindow, SCREEN_WIDTH, SCREEN_HEIGHT);
        if (result != RC_SUCCESS) {
            reportSetUpFailure(result);
        }
        fullScreenNext = 1;
        centreMainWindow();
    }
    return result;
}

// Reads one sprite's image again and puts it on a new colour-keyed system-memory surface.
void reloadSprite(Surface *sprite, const char *entryName) {
    sprite->loadBitmap(dataFile->find(entryName));
    sprite->create(MEMORY_SYSTEM);
    sprite->setColorKey(0);
    sprite->drawImage(0, 0);
}

// True once the start-up has made the Display and the three sprites a toggle rebuilds. An
// Alt+Enter can arrive earlier, e.g. posted by another program while a start-up error box is up.
bool sceneHasStarted() {
    return currentDisplay && ballSprite && starSprite && logoSprite;
}

} // namespace

void toggleDisplayMode() {
    if (!sceneHasStarted()) {
        return;
    }
    replaceDisplay();
    if (setUpNextDisplay() != RC_SUCCESS) {
        // No complete display to load onto; the program ends at the next message anyway.
        return;
    }
    reloadSprite(ballSprite, "ball.bmp");
    reloadSprite(starSprite, "star.bmp");
    reloadSprite(logoSprite, "logo.bmp");
}
