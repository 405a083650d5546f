// The screen saver's command line, as Windows gives it: /s to run, /p <window> to draw a preview
// inside that window, /c or nothing (or anything unknown) to show the settings, /c:<window> to
// show them owned by that window. Any case, "-" or "/", a colon or spaces before the window.
#pragma once

#include <windows.h>

enum ScreenSaverMode {
    SCREEN_SAVER_RUN,
    SCREEN_SAVER_PREVIEW,
    SCREEN_SAVER_SETTINGS,
    // A preview without a window it could draw into: a missing, garbled or too large number.
    SCREEN_SAVER_INVALID,
};

struct ScreenSaverCommand {
    ScreenSaverMode mode;
    // The preview's host, or the settings' owner; null when none was given. Only read, not yet
    // checked to be a window.
    HWND window;
};

// What commandLine (without the program's name; null reads as empty) asks for.
ScreenSaverCommand parseScreenSaverArguments(const char *commandLine);
