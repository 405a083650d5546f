// The screen saver's three starts: the scene over the whole screen (/s), in a child of another
// program's window (/p), and the settings dialog (/c, nothing, or anything unknown).
#include "app/screenSaver.h"

#include "app/messageLoop.h"
#include "app/runningDemo.h"
#include "app/screenSaverArguments.h"
#include "app/screenSaverSettings.h"
#include "app/windowClass.h"
#include "platform/PlatformCalls.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

namespace {

// The screen saver's own one-at-a-time rule in the user's session; the demo's is another.
constexpr const wchar_t *RUNNING_SCREEN_SAVER_NAME = L"Local\\Zorv2Demo.ScreenSaver";
constexpr const char *SCREEN_SAVER_TITLE = "Zorv2 Demo";

// The topmost borderless window over the whole screen at the desktop's own resolution; hidden.
HWND createFullScreenWindow(HINSTANCE instance) {
    SIZE screen = screenSize();
    return platform.CreateWindowExA(WS_EX_TOPMOST, SCREEN_SAVER_WINDOW_CLASS, SCREEN_SAVER_TITLE,
                                    WS_POPUP, 0, 0, screen.cx, screen.cy, nullptr, nullptr,
                                    instance, nullptr);
}

// The preview's window: a child filling the host's client area. It sends its host no
// notification (WS_EX_NOPARENTNOTIFY): one sent to another program waits until that program
// reads its messages.
HWND createPreviewWindow(HINSTANCE instance, HWND host) {
    RECT area = {0, 0, 0, 0};
    platform.GetClientRect(host, &area);
    return platform.CreateWindowExA(WS_EX_NOPARENTNOTIFY, SCREEN_SAVER_WINDOW_CLASS,
                                    SCREEN_SAVER_TITLE, WS_CHILD | WS_VISIBLE, 0, 0, area.right,
                                    area.bottom, host, nullptr, instance, nullptr);
}

// The scene over the whole screen, the tune only when the user asked for it, until the user
// comes back.
int runFullScreen(HINSTANCE instance) {
    if (handOverToRunningInstance(RUNNING_SCREEN_SAVER_NAME, SCREEN_SAVER_WINDOW_CLASS)) {
        return 0;
    }
    if (!registerWindowClass(instance, screenSaverWindowProc, SCREEN_SAVER_WINDOW_CLASS)) {
        return 0;
    }
    platform.GetCursorPos(&pointerAtStart);
    HWND window = createFullScreenWindow(instance);
    if (window == nullptr) {
        return 0;
    }
    mainWindow = window;
    screenSaverEndsOnInput = true;
    platform.ShowWindow(mainWindow, SW_SHOW);
    platform.UpdateWindow(mainWindow);
    sceneHost = {tuneSettingOn(), true};
    if (!startScene()) {
        return 0;
    }
    platform.ShowCursor(FALSE);
    return runMessageLoop(nullptr);
}

// The scene, shrunk, in a child of host and without sound, for as long as host is there.
int runPreview(HINSTANCE instance, HWND host) {
    if (!registerWindowClass(instance, screenSaverWindowProc, SCREEN_SAVER_WINDOW_CLASS)) {
        return 0;
    }
    HWND window = createPreviewWindow(instance, host);
    if (window == nullptr) {
        return EXIT_NO_PREVIEW_WINDOW;
    }
    mainWindow = window;
    sceneHost = {false, true};
    if (!startScene()) {
        return 0;
    }
    return runMessageLoop(host);
}

} // namespace

int runScreenSaver(HINSTANCE instance, const char *commandLine) {
    ScreenSaverCommand command = parseScreenSaverArguments(commandLine);
    switch (command.mode) {
    case SCREEN_SAVER_RUN:
        return runFullScreen(instance);
    case SCREEN_SAVER_PREVIEW:
        // No box: the settings dialog that asked for a preview has no use for one.
        return platform.IsWindow(command.window) ? runPreview(instance, command.window)
                                                 : EXIT_NO_PREVIEW_WINDOW;
    case SCREEN_SAVER_SETTINGS:
        showScreenSaverSettings(instance,
                                platform.IsWindow(command.window) ? command.window : nullptr);
        return 0;
    case SCREEN_SAVER_INVALID:
        break;
    }
    return EXIT_NO_PREVIEW_WINDOW;
}
