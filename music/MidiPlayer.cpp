#include "music/MidiPlayer.h"

#include <cstdlib>
#include <cstring>

#include "platform/PlatformCalls.h"

namespace {

constexpr DWORD TEMP_PATH_CAPACITY = 520;
constexpr size_t OPEN_COMMAND_CAPACITY = 256;

// Writes "<temporary directory>\<entryName>" into path. The directory already ends in a
// backslash, so two stand before the name; Windows reads them as one. False when the system
// names no temporary directory or the whole path would not fit the buffer.
bool buildTempPath(const char *entryName, char (&path)[TEMP_PATH_CAPACITY]) {
    path[0] = '\0';
    DWORD reported = platform.GetTempPathA(TEMP_PATH_CAPACITY, path);
    // 0 is a failure; a length of the capacity or more is the size it would need, unwritten.
    if (reported == 0 || reported >= TEMP_PATH_CAPACITY) {
        return false;
    }
    size_t directoryLength = strnlen(path, TEMP_PATH_CAPACITY);
    size_t nameLength = strlen(entryName);
    if (directoryLength + 1 + nameLength + 1 > TEMP_PATH_CAPACITY) {
        return false;
    }
    path[directoryLength] = '\\';
    memcpy(path + directoryLength + 1, entryName, nameLength + 1);
    return true;
}

// Copies up to size bytes from source to target, one byte per read and per write. Stops where
// source ends, so no byte is written that was not read. False when a write fails.
bool copyBytes(FILE *source, FILE *target, int32_t size) {
    if (source == nullptr) {
        return true;
    }
    for (int32_t i = 0; i < size; ++i) {
        unsigned char byte;
        if (fread(&byte, 1, 1, source) != 1) {
            break;
        }
        if (fwrite(&byte, 1, 1, target) != 1) {
            return false;
        }
    }
    return true;
}

// Formats the open command for path into command. False when there is no path or the command
// would not fit: a cut-off path would open some other file, or none. The quotes keep MCI from
// taking a path with spaces (C:\users\Ann Lee\...) for a device name ending at the first space.
bool formatOpenCommand(const char *path, char (&command)[OPEN_COMMAND_CAPACITY]) {
    command[0] = '\0';
    if (path == nullptr) {
        return false;
    }
    int length = snprintf(command, sizeof(command), "open \"%s\" type sequencer alias MUSIC", path);
    return length >= 0 && static_cast<size_t>(length) < sizeof(command);
}

// Sends one command string with no return buffer; true when MCI reports success.
bool sendCommand(const char *command, HWND callback) {
    return platform.mciSendStringA(command, nullptr, 0, callback) == 0;
}

} // namespace

MidiPlayer::MidiPlayer() : notifyWindow(nullptr), tempPath(nullptr) {}

void MidiPlayer::setNotifyWindow(HWND window) {
    notifyWindow = window;
}

ResultCode MidiPlayer::extract(const char *entryName, FILE *source, int32_t size) {
    char path[TEMP_PATH_CAPACITY];
    if (!buildTempPath(entryName, path)) {
        return RC_FILE_CREATE_FAILED;
    }
    size_t pathSize = strlen(path) + 1;
    char *copy = static_cast<char *>(malloc(pathSize));
    if (copy == nullptr) {
        return RC_FILE_CREATE_FAILED;
    }
    memcpy(copy, path, pathSize);
    free(tempPath);
    tempPath = copy;

    FILE *target = fopen(tempPath, "wb");
    if (target == nullptr) {
        return RC_FILE_CREATE_FAILED;
    }
    bool written = copyBytes(source, target, size);
    // The bytes reach the disk only when the buffer is flushed, so a full disk shows up there.
    // NOTE: msvcrt (as Wine runs it) returns 0 from fclose even when its own final flush fails,
    // so the flush is done, and checked, before the close.
    bool flushed = fflush(target) == 0;
    bool closed = fclose(target) == 0;
    return written && flushed && closed ? RC_SUCCESS : RC_FILE_CREATE_FAILED;
}

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
