// The message loop of the demo and of the screen saver: one message a turn, and a frame drawn on
// every turn that finds the queue empty.
#pragma once

#include <windows.h>

// Runs until the quit message, whose wParam it returns, or, when host is not null, until the
// host window is gone (then 0).
int runMessageLoop(HWND host);
