// MidiPlayer: copies the tune out of the data file and plays it, again and again, through
// MCI command strings.
#pragma once

#include <cstdint>
#include <cstdio>

#include <windows.h>

#include "platform/ResultCode.h"

class MidiPlayer {
  public:
    MidiPlayer();

    // The window that MCI tells when playback ends.
    void setNotifyWindow(HWND window);
    // Copies size bytes from source into entryName in the temporary directory.
    ResultCode extract(const char *entryName, FILE *source, int32_t size);
    // Closes any open device, opens the copy and plays it from the start.
    ResultCode play();

    HWND notifyWindow;
    // Wide characters, so a temporary directory under a user name in any script is reached.
    wchar_t *tempPath;
};
