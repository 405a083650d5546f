// MidiPlayer construction and the window that hears when the tune ends.
#include "music/MidiPlayer.h"

MidiPlayer::MidiPlayer() : notifyWindow(nullptr), tempPath(nullptr) {}

void MidiPlayer::setNotifyWindow(HWND window) {
    notifyWindow = window;
}
