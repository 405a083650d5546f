// Where the 640 x 480 window goes so that it stands in the middle of the screen.
#include "app/mainWindow.h"

POINT centredWindowPosition(int screenWidth, int screenHeight) {
    // Signed halves that round toward zero; nothing clamps a screen smaller than the window.
    return {screenWidth / 2 - MAIN_WINDOW_WIDTH / 2, screenHeight / 2 - MAIN_WINDOW_HEIGHT / 2};
}
