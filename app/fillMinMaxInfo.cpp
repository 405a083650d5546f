// The size limits of the main window: it can be neither resized nor maximised to another size.
#include "app/mainWindow.h"

void fillMinMaxInfo(HWND, MINMAXINFO *info) {
    info->ptMaxSize = {MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT};
    // A fixed point, not the centred position: where a maximised window would go.
    info->ptMaxPosition = {320, 240};
    info->ptMinTrackSize = {MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT};
    info->ptMaxTrackSize = {MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT};
}
