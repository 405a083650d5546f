// The Alt+Enter toggle: replaces the Display with one of the other mode and reloads the sprites
// onto surfaces of the new DirectDraw object.
#include <initializer_list>

#include "platform/PlatformCalls.h"
#include "app/mainWindow.h"
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "scene/Scene.h"
#include "scene/reportFailure.h"

namespace {

// Gives back the sprites' surfaces while the DirectDraw object that made them still lives.
// NOTE: Wine keeps a surface alive past its DirectDraw object, so without this every toggle
// would leak the three sprite surfaces there; on Windows it only ends them a moment earlier.
void releaseSpriteSurfaces() {
    for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        if (sprite->surface) {
            sprite->surface->Release();
            sprite->surface = nullptr;
        }
    }
}

// Releases and deletes the current Display and puts a fresh, unset one in its place.
void replaceDisplay() {
    releaseSpriteSurfaces();
    currentDisplay->release();
    delete currentDisplay;
    currentDisplay = new Display();
}

// Moves the 640 x 480 window back to the middle of the screen and to the top.
void centreMainWindow() {
    POINT position = centredWindowPosition(platform.GetSystemMetrics(SM_CXSCREEN),
                                           platform.GetSystemMetrics(SM_CYSCREEN));
    platform.SetWindowPos(mainWindow, HWND_TOP, position.x, position.y, 640, 480, 0);
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
        result = currentDisplay->setFullScreen(mainWindow, 640, 480, ScreenBitsPerPixel, 1);
        if (result != RC_SUCCESS) {
            reportSetUpFailure(result);
        }
        fullScreenNext = 0;
    } else {
        result = currentDisplay->setWindowed(mainWindow, 640, 480);
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

} // namespace

void toggleDisplayMode() {
    replaceDisplay();
    if (setUpNextDisplay() != RC_SUCCESS) {
        // No complete display to load onto; the program ends at the next message anyway.
        return;
    }
    reloadSprite(ballSprite, "ball.bmp");
    reloadSprite(starSprite, "star.bmp");
    reloadSprite(logoSprite, "logo.bmp");
}
