// MidiPlayer::play: closes whatever MCI has open, opens the copy of the tune and plays it from
// the start, asking MCI to tell the notify window when it ends.
#include "music/MidiPlayer.h"

#include "platform/PlatformCalls.h"

namespace {

constexpr size_t OPEN_COMMAND_CAPACITY = 256;

// Formats the open command for path into command. False when there is no path or the command
// would not fit: a cut-off path would open some other file, or none.
bool formatOpenCommand(const char *path, char (&command)[OPEN_COMMAND_CAPACITY]) {
    command[0] = '\0';
    if (path == nullptr) {
        return false;
    }
    int length = snprintf(command, sizeof(command), "open %s type sequencer alias MUSIC", path);
    return length >= 0 && static_cast<size_t>(length) < sizeof(command);
}

// Sends one command string with no return buffer; true when MCI reports success.
bool sendCommand(const char *command, HWND callback) {
    return platform.mciSendStringA(command, nullptr, 0, callback) == 0;
}

} // namespace

ResultCode MidiPlayer::play() {
    char openCommand[OPEN_COMMAND_CAPACITY];
    bool openFits = formatOpenCommand(tempPath, openCommand);
    // "close all" goes first even when the open will be refused, so a restart never leaves the
    // previous tune playing.
    if (!sendCommand("close all", nullptr)) {
        return RC_MCI_CLOSE_FAILED;
    }
    if (!openFits || !sendCommand(openCommand, nullptr)) {
        return RC_MCI_OPEN_FAILED;
    }
    if (!sendCommand("play MUSIC from 0 notify", notifyWindow)) {
        return RC_MCI_PLAY_FAILED;
    }
    return RC_SUCCESS;
}
