// The screen's display mode as the end-to-end tests see it, and where the demo's window belongs
// in it.
#pragma once

#include <windows.h>

// The display mode in force now.
DEVMODEA currentMode();

// Where the demo's 640 x 480 window stands when windowed: in the middle of the desktop's mode.
RECT centredWindowRect(const DEVMODEA &desktop);
