// Keyboard: presses keys on the demo's window through the system's input queue (SendInput), so
// they travel the same road as a user's keys.
#pragma once

#include <windows.h>

// Brings window to the front and presses and releases the key vk.
void pressKey(HWND window, WORD vk);

// Brings window to the front and presses Alt+Enter: Alt down, Enter down, Enter up, Alt up.
void pressAltEnter(HWND window);
