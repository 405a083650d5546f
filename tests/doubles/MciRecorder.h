// MciRecorder: stand-ins for mciSendStringA and GetTempPathA, shared by the music and scene
// tests. The first records every command string with its return buffer and callback window,
// and can fail one chosen call; the second reports a temporary directory of the test's choosing.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "PlatformOverride.h"

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
inline MCIERROR WINAPI mciSendStringA(LPCSTR command, LPSTR returnBuffer, UINT returnLength,
                                      HWND callback) {
    calls.push_back({command ? command : "", returnBuffer == nullptr, returnLength, callback});
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

// Puts the recorder in place for the life of table, with an empty record and no failing call.
inline void install(PlatformOverride &table) {
    calls.clear();
    failingCall = -1;
    failure = MCIERR_DEVICE_NOT_READY;
    table.set(&PlatformCalls::mciSendStringA, mciSendStringA);
}

} // namespace MciRecorder

namespace FakeTempPath {

inline std::string directory;
inline int asked = 0; // how many times GetTempPathA was called
// What GetTempPathA returns; by default the directory's length, as the real one does.
inline DWORD reported = 0;
inline bool reportLength = true;

// Copies the chosen directory into the buffer when it fits, as the real function does.
inline DWORD WINAPI GetTempPathA(DWORD capacity, LPSTR buffer) {
    ++asked;
    DWORD length = static_cast<DWORD>(directory.size());
    if (length < capacity) {
        std::memcpy(buffer, directory.c_str(), length + 1);
    }
    if (!reportLength) {
        return reported;
    }
    return length < capacity ? length : length + 1;
}

// Makes GetTempPathA report chosenDirectory for the life of table.
inline void install(PlatformOverride &table, const std::string &chosenDirectory) {
    directory = chosenDirectory;
    asked = 0;
    reportLength = true;
    table.set(&PlatformCalls::GetTempPathA, GetTempPathA);
}

} // namespace FakeTempPath
