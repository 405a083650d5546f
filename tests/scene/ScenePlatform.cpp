// Recording stand-ins for the platform calls that the scene makes.
#include "ScenePlatform.h"

#include <cstring>

#include "platform/PlatformCalls.h"

SceneCallRecord sceneCalls;

namespace {

// Records a message box and answers that OK was pressed.
int WINAPI fakeMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    sceneCalls.calls.push_back("MessageBoxA");
    sceneCalls.messageBoxes.push_back({owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}

// Records the quit request instead of posting it to the test's thread.
VOID WINAPI fakePostQuitMessage(int exitCode) {
    sceneCalls.calls.push_back("PostQuitMessage");
    sceneCalls.quitCodes.push_back(exitCode);
}

// Answers the configured screen size.
int WINAPI fakeGetSystemMetrics(int index) {
    sceneCalls.calls.push_back("GetSystemMetrics");
    if (index == SM_CXSCREEN) {
        return sceneCalls.screenWidth;
    }
    if (index == SM_CYSCREEN) {
        return sceneCalls.screenHeight;
    }
    return 0;
}

// Records where the window would go.
BOOL WINAPI fakeSetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                             UINT flags) {
    sceneCalls.calls.push_back("SetWindowPos");
    sceneCalls.windowPositions.push_back({window, insertAfter, x, y, width, height, flags});
    return TRUE;
}

// Records the command; the configured one fails with a non-zero MCI error.
MCIERROR WINAPI fakeMciSendStringA(LPCSTR command, LPSTR, UINT, HWND) {
    sceneCalls.calls.push_back("mciSendStringA");
    sceneCalls.mciCommands.push_back(command ? command : "");
    int number = static_cast<int>(sceneCalls.mciCommands.size());
    return number == sceneCalls.failingMciCommand ? MCIERR_DEVICE_NOT_READY : 0;
}

// Reports the configured temporary directory.
DWORD WINAPI fakeGetTempPathA(DWORD bufferLength, LPSTR buffer) {
    sceneCalls.calls.push_back("GetTempPathA");
    const std::string &path = sceneCalls.temporaryDirectory;
    if (path.size() + 1 > bufferLength) {
        return static_cast<DWORD>(path.size() + 1);
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

// Answers the configured clock.
DWORD WINAPI fakeTimeGetTime() {
    return sceneCalls.now;
}

} // namespace

void installScenePlatform() {
    sceneCalls = SceneCallRecord{};
    platform.MessageBoxA = fakeMessageBoxA;
    platform.PostQuitMessage = fakePostQuitMessage;
    platform.GetSystemMetrics = fakeGetSystemMetrics;
    platform.SetWindowPos = fakeSetWindowPos;
    platform.mciSendStringA = fakeMciSendStringA;
    platform.GetTempPathA = fakeGetTempPathA;
    platform.timeGetTime = fakeTimeGetTime;
}

int firstCallIndex(const std::string &name) {
    for (size_t i = 0; i < sceneCalls.calls.size(); ++i) {
        if (sceneCalls.calls[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
