// Recording stand-ins for the platform calls that the scene makes.
#include "ScenePlatform.h"

#include <cstring>

#include "app/PlatformCalls.h"

SceneCallRecord sceneCalls;

namespace {

// A device context handle that no real GDI call will ever see.
HDC const SCREEN_DC = reinterpret_cast<HDC>(static_cast<INT_PTR>(0x5C1DC));

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

// The screen's device context, only for reading its depth.
HDC WINAPI fakeGetDC(HWND) {
    sceneCalls.calls.push_back("GetDC");
    return SCREEN_DC;
}

// Gives back the screen's device context.
int WINAPI fakeReleaseDC(HWND, HDC) {
    sceneCalls.calls.push_back("ReleaseDC");
    return 1;
}

// Answers the configured desktop depth in one plane.
int WINAPI fakeGetDeviceCaps(HDC, int index) {
    sceneCalls.calls.push_back("GetDeviceCaps");
    if (index == BITSPIXEL) {
        return sceneCalls.desktopBitsPerPixel;
    }
    return index == PLANES ? 1 : 0;
}

// Counts the image drawn onto a sprite.
int WINAPI fakeStretchDIBits(HDC, int, int, int, int, int, int, int height, int, const VOID *,
                             const BITMAPINFO *, UINT, DWORD) {
    sceneCalls.calls.push_back("StretchDIBits");
    ++sceneCalls.imageDraws;
    return height;
}

// Records the background mode.
int WINAPI fakeSetBkMode(HDC, int mode) {
    sceneCalls.calls.push_back("SetBkMode");
    sceneCalls.backgroundModes.push_back(mode);
    return OPAQUE;
}

// Records the text colour.
COLORREF WINAPI fakeSetTextColor(HDC, COLORREF colour) {
    sceneCalls.calls.push_back("SetTextColor");
    sceneCalls.textColours.push_back(colour);
    return 0;
}

// Records the text exactly as long as it was passed.
BOOL WINAPI fakeTextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    sceneCalls.calls.push_back("TextOutA");
    sceneCalls.texts.push_back({dc, x, y, std::string(text, static_cast<size_t>(length))});
    return TRUE;
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
    platform.GetDC = fakeGetDC;
    platform.ReleaseDC = fakeReleaseDC;
    platform.GetDeviceCaps = fakeGetDeviceCaps;
    platform.StretchDIBits = fakeStretchDIBits;
    platform.SetBkMode = fakeSetBkMode;
    platform.SetTextColor = fakeSetTextColor;
    platform.TextOutA = fakeTextOutA;
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
