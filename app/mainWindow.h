// The main window: its title, its window procedure and its size limits. Its handle, mainWindow,
// is part of the Scene state.
#pragma once

#include <windows.h>

#include "scene/Scene.h"

// The title serves as window-class name and as window text.
constexpr const char *MAIN_WINDOW_TITLE = "Zorv2 Demo. Try ALT+ENTER :)";

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Pins the window to the size it was given (mainWindowSize): writes four of the five points and
// leaves ptReserved alone.
void fillMinMaxInfo(HWND window, MINMAXINFO *info);
