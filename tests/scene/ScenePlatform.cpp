#include "ScenePlatform.h"

#include <algorithm>

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

// Answers whether the window is minimised, as configured.
BOOL WINAPI fakeIsIconic(HWND) {
    sceneCalls.calls.push_back("IsIconic");
    return sceneCalls.minimised;
}

// Answers the configured program path, cut to the buffer as the real function does.
DWORD WINAPI fakeGetModuleFileNameW(HMODULE, LPWSTR buffer, DWORD capacity) {
    sceneCalls.calls.push_back("GetModuleFileNameW");
    DWORD length = std::min<DWORD>(static_cast<DWORD>(sceneCalls.programPath.size()), capacity - 1);
    sceneCalls.programPath.copy(buffer, length);
    buffer[length] = L'\0';
    return length;
}

// Answers the configured clock.
DWORD WINAPI fakeTimeGetTime() {
    return sceneCalls.now;
}

} // namespace

ScenePlatform::ScenePlatform() {
    sceneCalls = SceneCallRecord{};
    calls.set(&PlatformCalls::MessageBoxA, fakeMessageBoxA);
    calls.set(&PlatformCalls::PostQuitMessage, fakePostQuitMessage);
    calls.set(&PlatformCalls::GetSystemMetrics, fakeGetSystemMetrics);
    calls.set(&PlatformCalls::SetWindowPos, fakeSetWindowPos);
    calls.set(&PlatformCalls::IsIconic, fakeIsIconic);
    MciRecorder::install(calls);
    FakeTempPath::install(calls, "");
    calls.set(&PlatformCalls::timeGetTime, fakeTimeGetTime);
    calls.set(&PlatformCalls::GetModuleFileNameW, fakeGetModuleFileNameW);
}

int firstCallIndex(const std::string &name) {
    for (size_t i = 0; i < sceneCalls.calls.size(); ++i) {
        if (sceneCalls.calls[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
