// The main window: its handle, its window procedure and its size limits.
#pragma once

#include <windows.h>

// The one window of the program; null until WinMain has created it.
extern HWND mainWindow;

// The title serves as window-class name and as window text.
constexpr const char *MAIN_WINDOW_TITLE = "Zorv2 Demo. Try ALT+ENTER :)";
constexpr int MAIN_WINDOW_WIDTH = 640;
constexpr int MAIN_WINDOW_HEIGHT = 480;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Pins the window to 640 x 480: writes four of the five points and leaves ptReserved alone.
void fillMinMaxInfo(HWND window, MINMAXINFO *info);

// Where a 640 x 480 window is centred on the screen; halves round toward zero.
POINT centredWindowPosition(int screenWidth, int screenHeight);
