// MciRecorder: stand-ins for mciSendStringA and GetTempPathA. The first records every command
// string with its return buffer and callback window, and can fail one chosen call; the second
// reports a temporary directory of the test's choosing.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "platform/PlatformCalls.h"

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
    calls.push_back({command, returnBuffer == nullptr, returnLength, callback});
    return static_cast<int>(calls.size()) - 1 == failingCall ? failure : 0;
}

// Puts the recorder in the platform table with an empty record and no failing call.
inline void install() {
    calls.clear();
    failingCall = -1;
    platform.mciSendStringA = mciSendStringA;
}

} // namespace MciRecorder

namespace FakeTempPath {

inline std::string directory;
// What GetTempPathA returns; by default the directory's length, as the real one does.
inline DWORD reported = 0;
inline bool reportLength = true;

// Copies the chosen directory into the buffer when it fits, as the real function does.
inline DWORD WINAPI GetTempPathA(DWORD capacity, LPSTR buffer) {
    DWORD length = static_cast<DWORD>(directory.size());
    if (length < capacity) {
        memcpy(buffer, directory.c_str(), length + 1);
    }
    if (!reportLength) {
        return reported;
    }
    return length < capacity ? length : length + 1;
}

// Makes GetTempPathA report directory.
inline void install(const std::string &chosenDirectory) {
    directory = chosenDirectory;
    reportLength = true;
    platform.GetTempPathA = GetTempPathA;
}

} // namespace FakeTempPath
