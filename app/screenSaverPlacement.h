// Where the full-screen screen saver goes: its window over every monitor, so none stays lit with
// the desktop on it, and the picture on the primary monitor.
#pragma once

#include <windows.h>

struct ScreenSaverPlacement {
    // The virtual screen, which holds every monitor, in screen coordinates. The primary monitor's
    // top-left corner is (0, 0), so a monitor left of or above it lies at negative coordinates.
    RECT window;
    // The primary monitor, in the window's client coordinates.
    RECT pictureArea;
};

// The placement for the monitors as they are now.
ScreenSaverPlacement screenSaverPlacement();
