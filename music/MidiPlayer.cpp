#include "music/MidiPlayer.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "platform/PlatformCalls.h"

namespace {

constexpr DWORD TEMP_PATH_CAPACITY = 520;
// Any path that fits TEMP_PATH_CAPACITY fits the open command too.
constexpr wchar_t OPEN_COMMAND_FORMAT[] = L"open \"%ls\" type sequencer alias MUSIC";
constexpr size_t OPEN_COMMAND_CAPACITY = TEMP_PATH_CAPACITY + std::size(OPEN_COMMAND_FORMAT);

// Writes "<temporary directory>\<entryName>" into path. The directory already ends in a
// backslash, so two stand before the name; Windows reads them as one. The wide-character call
// gives the directory whatever letters the user's name holds; the ANSI one would turn those
// outside the code page into '?'. False when the system names no temporary directory or the
// whole path would not fit the buffer.
bool buildTempPath(const char *entryName, wchar_t (&path)[TEMP_PATH_CAPACITY]) {
    path[0] = L'\0';
    DWORD reported = platform.GetTempPathW(TEMP_PATH_CAPACITY, path);
    // 0 is a failure; a length of the capacity or more is the size it would need, unwritten.
    if (reported == 0 || reported >= TEMP_PATH_CAPACITY) {
        return false;
    }
    size_t directoryLength = wcsnlen(path, TEMP_PATH_CAPACITY);
    size_t nameLength = strlen(entryName);
    if (directoryLength + 1 + nameLength + 1 > TEMP_PATH_CAPACITY) {
        return false;
    }
    wchar_t *end = path + directoryLength;
    *end++ = L'\\';
    // The entry's name is the demo's own ASCII constant, so each byte is its own character.
    for (size_t i = 0; i <= nameLength; ++i) {
        *end++ = static_cast<unsigned char>(entryName[i]);
    }
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

// The path MCI is given for the copy at path: its short (8.3) form when the volume keeps one,
// else path itself. Short names are plain ASCII and at most 12 characters a folder.
// NOTE: Wine's MCI sequencer opens its file through the ANSI calls, which turn letters outside the
// code page into '?', so a copy under a Cyrillic user name is not found by its long path. Windows
// keeps short names on its system volume unless they were switched off.
const wchar_t *pathForMci(const wchar_t *path, wchar_t (&shortPath)[TEMP_PATH_CAPACITY]) {
    DWORD length = platform.GetShortPathNameW(path, shortPath, TEMP_PATH_CAPACITY);
    return length == 0 || length >= TEMP_PATH_CAPACITY ? path : shortPath;
}

// Formats the open command for path into command. False when there is no path or the command
// would not fit: a cut-off path would open some other file, or none. The quotes keep MCI from
// taking a path with spaces (C:\users\Ann Lee\...) for a device name ending at the first space.
bool formatOpenCommand(const wchar_t *path, wchar_t (&command)[OPEN_COMMAND_CAPACITY]) {
    command[0] = L'\0';
    if (path == nullptr) {
        return false;
    }
    int length = swprintf(command, OPEN_COMMAND_CAPACITY, OPEN_COMMAND_FORMAT, path);
    return length >= 0 && static_cast<size_t>(length) < OPEN_COMMAND_CAPACITY;
}

// Sends one command string with no return buffer; true when MCI reports success.
bool sendCommand(const wchar_t *command, HWND callback) {
    return platform.mciSendStringW(command, nullptr, 0, callback) == 0;
}

} // namespace

MidiPlayer::MidiPlayer() : notifyWindow(nullptr), tempPath(nullptr) {}

void MidiPlayer::setNotifyWindow(HWND window) {
    notifyWindow = window;
}

ResultCode MidiPlayer::extract(const char *entryName, FILE *source, int32_t size) {
    wchar_t path[TEMP_PATH_CAPACITY];
    if (!buildTempPath(entryName, path)) {
        return RC_FILE_CREATE_FAILED;
    }
    size_t pathSize = (wcslen(path) + 1) * sizeof(wchar_t);
    wchar_t *copy = static_cast<wchar_t *>(malloc(pathSize));
    if (copy == nullptr) {
        return RC_FILE_CREATE_FAILED;
    }
    memcpy(copy, path, pathSize);
    free(tempPath);
    tempPath = copy;

    FILE *target = _wfopen(tempPath, L"wb");
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
    wchar_t shortPath[TEMP_PATH_CAPACITY];
    const wchar_t *path = tempPath == nullptr ? nullptr : pathForMci(tempPath, shortPath);
    wchar_t openCommand[OPEN_COMMAND_CAPACITY];
    bool openFits = formatOpenCommand(path, openCommand);
    // "close all" goes first even when the open will be refused, so a restart never leaves the
    // previous tune playing.
    if (!sendCommand(L"close all", nullptr)) {
        return RC_MCI_CLOSE_FAILED;
    }
    if (!openFits || !sendCommand(openCommand, nullptr)) {
        return RC_MCI_OPEN_FAILED;
    }
    if (!sendCommand(L"play MUSIC from 0 notify", notifyWindow)) {
        return RC_MCI_PLAY_FAILED;
    }
    return RC_SUCCESS;
}
