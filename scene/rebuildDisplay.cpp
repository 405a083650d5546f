// Building a display anew, and the three occasions for it. The one build releases the current
// Display, sets up one of the asked mode, centres the window after a windowed set-up, and reloads
// the sprites onto surfaces of the new DirectDraw object. It serves the Alt+Enter toggle (which
// also builds the first display), the rebuild after the desktop's mode changed under the windowed
// display (another resolution or depth), and the centring of a window that was minimised while
// that happened, once it is restored.
#include <initializer_list>

#include "datafile/DataFile.h"
#include "display/Display.h"
#include "display/screenCaps.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

namespace {

// SetWindowPos flags for the toggle the user asked for: the window comes to the top, activated.
// A rebuild after the desktop changed uses PLACE_ONLY.
constexpr UINT PLACE_AND_ACTIVATE = 0;

// True while a display is being built. A build changes display modes, which sends
// WM_DISPLAYCHANGE straight to the window procedure, and a failed one shows a message box, whose
// own message loop dispatches whatever arrives meanwhile; neither may start another build.
bool buildingDisplay = false;

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

// Shows a failed set-up and asks the message loop to end the program.
void reportSetUpFailure(ResultCode result) {
    reportFailure(result);
    platform.PostQuitMessage(0);
}

// Sets up full screen at the desktop's depth, as the previous windowed set-up measured it.
ResultCode setUpFullScreen() {
    ResultCode result = currentDisplay->setFullScreen(mainWindow, SCREEN_WIDTH, SCREEN_HEIGHT,
                                                      ScreenBitsPerPixel, MODE_STANDARD_VGA);
    if (result != RC_SUCCESS) {
        reportSetUpFailure(result);
    }
    fullScreenNext = 0;
    return result;
}

// Sets up the windowed display for the desktop as it is now and centres the window on it,
// whatever the outcome, unless the scene's host places the window; the picture goes where the
// host wants it. Notes the size of the screen the display was built for.
ResultCode setUpWindowed(UINT placementFlags) {
    currentDisplay->pictureArea = sceneHost.pictureArea;
    ResultCode result = currentDisplay->setWindowed(mainWindow, SCREEN_WIDTH, SCREEN_HEIGHT);
    if (result != RC_SUCCESS) {
        reportSetUpFailure(result);
    }
    fullScreenNext = 1;
    windowedScreenSize = sceneHost.placesWindow ? screenSize() : centreMainWindow(placementFlags);
    // NOTE: Windows and Wine move a minimised window's icon, not the place it is restored to.
    centreWhenRestored = platform.IsIconic(mainWindow) != FALSE;
    return result;
}

// Reads one sprite's image again and puts it on a new colour-keyed system-memory surface.
void reloadSprite(Surface *sprite, const char *entryName) {
    sprite->loadBitmap(dataFile->find(entryName));
    sprite->create(MEMORY_SYSTEM);
    sprite->setColorKey(0);
    sprite->drawImage(0, 0);
}

// True once the start-up has made the Display and the three sprites a rebuild replaces. An
// Alt+Enter can arrive earlier, e.g. posted by another program while a start-up error box is up.
bool sceneHasStarted() {
    return currentDisplay && ballSprite && starSprite && logoSprite;
}

// True when the current display is a complete windowed one. A full-screen display sets the mode
// itself, and the mode comes back when it is released.
bool windowedDisplayInUse() {
    return currentDisplay && !currentDisplay->fullScreen && currentDisplay->backBuffer;
}

// True when the desktop's size or depth is no longer the one the windowed display was built for.
bool desktopModeChanged() {
    SIZE screen = screenSize();
    return screen.cx != windowedScreenSize.cx || screen.cy != windowedScreenSize.cy ||
           desktopBitsPerPixel() != ScreenBitsPerPixel;
}

} // namespace

void rebuildDisplay(DisplayKind kind) {
    if (!sceneHasStarted() || buildingDisplay) {
        return;
    }
    buildingDisplay = true;
    replaceDisplay();
    ResultCode result = kind == DISPLAY_FULL_SCREEN ? setUpFullScreen()
                        : kind == DISPLAY_WINDOWED  ? setUpWindowed(PLACE_AND_ACTIVATE)
                                                    : setUpWindowed(PLACE_ONLY);
    // After a failure there is no complete display to load onto; the program ends at the next
    // message anyway.
    if (result == RC_SUCCESS) {
        reloadSprite(ballSprite, "ball.bmp");
        reloadSprite(starSprite, "star.bmp");
        reloadSprite(logoSprite, "logo.bmp");
    }
    buildingDisplay = false;
}

bool fullScreenDisplayInUse() {
    return currentDisplay && currentDisplay->fullScreen && currentDisplay->backBuffer;
}

void toggleDisplayMode() {
    rebuildDisplay(fullScreenNext == 1 ? DISPLAY_FULL_SCREEN : DISPLAY_WINDOWED);
}

void rebuildWindowedDisplay() {
    if (windowedDisplayInUse() && desktopModeChanged()) {
        rebuildDisplay(DISPLAY_WINDOWED_AGAIN);
    }
}

void centreRestoredWindow() {
    if (centreWhenRestored) {
        centreWhenRestored = false;
        centreMainWindow(PLACE_ONLY);
    }
}
