// The screen saver's one setting, whether it plays the tune, kept for the user in the registry,
// and the small dialog that changes it.
#pragma once

#include <windows.h>

// True when the user asked the screen saver to play the tune; false when the setting was never
// made or cannot be read.
bool tuneSettingOn();

// Keeps the choice for the user; a registry that refuses it leaves the setting as it was.
void saveTuneSetting(bool on);

// Shows the settings dialog of the program instance, owned by owner (null: no owner), until the
// user closes it; OK keeps the choice, Cancel drops it.
void showScreenSaverSettings(HINSTANCE instance, HWND owner);
