// MciRecorder: stand-ins for mciSendStringW and GetTempPathW, shared by the music and scene
// tests. The first records every command string, in UTF-8, with its return buffer and callback
// window, and can fail one chosen call; the second reports a temporary directory of the test's
// choosing, given in UTF-8.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "PlatformOverride.h"
#include "support/WideText.h"

struct MciCall {
    std::string command;
    bool returnBufferIsNull;
    UINT returnLength;
    HWND callback;
};

namespace MciRecorder {

inline std::vector<MciCall> calls;
// Index of the call that fails (0 for the first), or -1 for none.
inline int failingCall = -1;
inline MCIERROR failure = MCIERR_DEVICE_NOT_READY;

// Records the call; returns failure for the chosen one and 0 for the rest.
inline MCIERROR WINAPI mciSendStringW(LPCWSTR command, LPWSTR returnBuffer, UINT returnLength,
                                      HWND callback) {
    calls.push_back(
        {command ? utf8Text(command) : "", returnBuffer == nullptr, returnLength, callback});
    return static_cast<int>(calls.size()) - 1 == failingCall ? failure : 0;
}

// The command strings sent, in order.
inline std::vector<std::string> commands() {
    std::vector<std::string> sent;
    for (const MciCall &call : calls) {
        sent.push_back(call.command);
    }
    return sent;
}

// Answers as for a volume that keeps no short (8.3) names, so the commands hold the long path.
inline DWORD WINAPI noShortPathName(LPCWSTR, LPWSTR, DWORD) {
    return 0;
}

// Puts the recorder in place for the life of table, with an empty record and no failing call.
inline void install(PlatformOverride &table) {
    calls.clear();
    failingCall = -1;
    failure = MCIERR_DEVICE_NOT_READY;
    table.set(&PlatformCalls::mciSendStringW, mciSendStringW);
    table.set(&PlatformCalls::GetShortPathNameW, noShortPathName);
}

} // namespace MciRecorder

namespace FakeTempPath {

inline std::string directory;
inline int asked = 0; // how many times GetTempPathW was called
// What GetTempPathW returns; by default the directory's length, as the real one does.
inline DWORD reported = 0;
inline bool reportLength = true;

// Copies the chosen directory into the buffer when it fits, as the real function does.
inline DWORD WINAPI GetTempPathW(DWORD capacity, LPWSTR buffer) {
    ++asked;
    std::wstring wide = wideText(directory);
    DWORD length = static_cast<DWORD>(wide.size());
    if (length < capacity) {
        std::memcpy(buffer, wide.c_str(), (length + 1) * sizeof(wchar_t));
    }
    if (!reportLength) {
        return reported;
    }
    return length < capacity ? length : length + 1;
}

// Makes GetTempPathW report chosenDirectory for the life of table.
inline void install(PlatformOverride &table, const std::string &chosenDirectory) {
    directory = chosenDirectory;
    asked = 0;
    reportLength = true;
    table.set(&PlatformCalls::GetTempPathW, GetTempPathW);
}

} // namespace FakeTempPath
