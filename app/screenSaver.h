// The screen saver, Zorv2Demo.scr: the demo's scene over the whole screen until the user comes
// back, a live preview inside a window of Windows' screen-saver settings, and its own settings.
#pragma once

#include <windows.h>

// The class of the screen saver's windows: not the demo's, so that a running demo neither
// stops the screen saver nor is taken for one.
constexpr const char *SCREEN_SAVER_WINDOW_CLASS = "Zorv2 Demo screen saver";
// The exit code of a preview asked for without a window it can draw into.
constexpr int EXIT_NO_PREVIEW_WINDOW = 1;

// Does what the command line (without the program's name) asks for and returns the process's
// exit code.
int runScreenSaver(HINSTANCE instance, const char *commandLine);

// The window procedure of the screen saver's windows.
LRESULT CALLBACK screenSaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True for the full-screen screen saver, which any key, button or move of the pointer away from
// pointerAtStart ends; false for the preview, which ends with its host window.
extern bool screenSaverEndsOnInput;
// True once the full-screen screen saver has started: from then on another window that takes
// the activation ends it.
extern bool screenSaverEndsOnDeactivation;
// Where the pointer was when the full-screen screen saver started, in screen coordinates.
extern POINT pointerAtStart;
