// The window class of the demo's and the screen saver's windows.
#pragma once

#include <windows.h>

// Registers a class of the given name and window procedure, with the program's icon, the arrow
// pointer and a black background (what the picture does not cover); false when the system
// refuses it.
bool registerWindowClass(HINSTANCE instance, WNDPROC windowProc, const char *className);
