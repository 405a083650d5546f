// The demo's process-wide state, the operations that build it, rebuild it and draw it, and the
// helpers those operations share.
#pragma once

#include <cstdint>

#include <windows.h>

#include "platform/ResultCode.h"
#include "scene/FrameCounter.h"

class Display;
class MidiPlayer;
class DataFile;
class Surface;

struct Star {
    int32_t x;
    int32_t y;
};

// The screen the scene is drawn for, and the size of the window that shows it on a desktop at
// 100 % scale.
constexpr int32_t SCREEN_WIDTH = 640;
constexpr int32_t SCREEN_HEIGHT = 480;

constexpr int BALL_COUNT = 3;
constexpr int STAR_COUNT = 60;

// The start values of the animation. Ball 0 starts at rest in the corner; the first frame's
// bounce sets it moving. The other two start moving up and to the left.
constexpr int32_t BALL_START_X[BALL_COUNT] = {0, 500, 100};
constexpr int32_t BALL_START_Y[BALL_COUNT] = {0, 300, 400};
constexpr int32_t BALL_START_DX[BALL_COUNT] = {0, -2, -2};
constexpr int32_t BALL_START_DY[BALL_COUNT] = {0, -2, -2};
// The logo starts just beyond the right edge and scrolls in.
constexpr int32_t LOGO_START_X = SCREEN_WIDTH;

// The one window of the program; null until WinMain has created it.
extern HWND mainWindow;
extern Display *currentDisplay;
extern MidiPlayer *midiPlayer;
extern DataFile *dataFile;
extern Surface *ballSprite;
extern Surface *starSprite;
extern Surface *logoSprite;
extern FrameCounter frameCounter;
extern int fullScreenNext;
extern int32_t ballX[BALL_COUNT];
extern int32_t ballY[BALL_COUNT];
extern int32_t ballDX[BALL_COUNT];
extern int32_t ballDY[BALL_COUNT];
extern int32_t logoX;
extern Star stars[STAR_COUNT];

// The size of the screen the windowed display was last built for. Its depth needs no record of
// its own: the windowed set-up measured it into ScreenBitsPerPixel.
extern SIZE windowedScreenSize;
// True when the windowed display was built while the window was minimised: the window is centred
// once it is restored.
extern bool centreWhenRestored;
// The size the main window was last given: the screen's picture times the desktop's scale. The
// window is held to it.
extern SIZE mainWindowSize;

// The display a rebuild sets up.
enum DisplayKind {
    DISPLAY_FULL_SCREEN,
    // Windowed, the window centred, brought to the top and activated: what Alt+Enter asks for.
    DISPLAY_WINDOWED,
    // Windowed again for a desktop that changed: the window centred, its place in the Z order
    // and the focus left as they are.
    DISPLAY_WINDOWED_AGAIN,
};

// Opens the data file, starts the music, builds the first (windowed) display and the sprites,
// and scatters the stars. False after a failure that has been shown to the user.
bool startScene();
// Replaces the Display with one of the other mode and reloads the sprites.
void toggleDisplayMode();
// Releases the Display and sets up one of the given kind; a failed set-up is shown and the
// program asked to quit, a successful one gets the sprites reloaded. fullScreenNext then names
// the other mode. Does nothing before the start-up has made the scene, or while a display is
// already being built.
void rebuildDisplay(DisplayKind kind);
// Builds the windowed display again, once, when the desktop's size or depth is no longer the one
// it was built for. Does nothing in full screen.
void rebuildWindowedDisplay();
// Centres the window, once, after it is restored, when the windowed display was built for a new
// screen while it was minimised.
void centreRestoredWindow();
// True while a complete full-screen display is in use.
bool fullScreenDisplayInUse();
// Moves everything one step and draws and presents one frame.
void renderFrame();

// The size of the screen as it is now, in pixels.
SIZE screenSize();
// Where a window of the given size (the screen's picture unless told) is centred on a screen of the
// given size; halves round toward zero.
POINT centredWindowPosition(int screenWidth, int screenHeight,
                            SIZE window = {SCREEN_WIDTH, SCREEN_HEIGHT});
// SetWindowPos flags for a move the user did not ask for: it takes no focus from the user.
constexpr UINT PLACE_ONLY = SWP_NOZORDER | SWP_NOACTIVATE;
// Gives the main window its size for the screen as it is now (mainWindowSize) and moves it to the
// middle of the screen with the given SetWindowPos flags; returns the screen's size.
SIZE centreMainWindow(UINT flags);
// Shows a failure to the user, the one report the demo makes: one "Error!" message box, owned
// by the main window, with the text of code.
void reportFailure(ResultCode code);
