// The screen saver's three starts: the scene over the whole screen (/s), in a child of another
// program's window (/p), and the settings dialog (/c, nothing, or anything unknown).
#include "app/screenSaver.h"

#include "app/messageLoop.h"
#include "app/runningDemo.h"
#include "app/screenSaverArguments.h"
#include "app/screenSaverPlacement.h"
#include "app/screenSaverSettings.h"
#include "app/windowClass.h"
#include "platform/PlatformCalls.h"
#include "resources/resourceIds.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

namespace {

// The screen saver's own one-at-a-time rule in the user's session; the demo's is another.
constexpr const wchar_t *RUNNING_SCREEN_SAVER_NAME = L"Local\\Zorv2Demo.ScreenSaver";
constexpr const char *SCREEN_SAVER_TITLE = "Zorv2 Demo";
// The screen saver's own copy of the tune: a demo running beside it holds the demo's open.
constexpr const char *SCREEN_SAVER_TUNE_COPY = "Zorvd-saver.mid";

// The topmost borderless window over the given rectangle of the screen; hidden.
HWND createFullScreenWindow(HINSTANCE instance, const RECT &rect) {
    return platform.CreateWindowExA(WS_EX_TOPMOST, SCREEN_SAVER_WINDOW_CLASS, SCREEN_SAVER_TITLE,
                                    WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                                    rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
}

// The full-screen screen saver's hosting: the tune if the user asked for it, from a copy of its
// own and never worth a box, and the picture in pictureArea.
SceneHost fullScreenHost(const RECT &pictureArea) {
    SceneHost host;
    host.playsTune = tuneSettingOn();
    host.placesWindow = true;
    host.tuneCopyName = SCREEN_SAVER_TUNE_COPY;
    host.tuneIsOptional = true;
    host.dataFileResource = IDR_DATA_FILE;
    host.pictureArea = pictureArea;
    return host;
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

// The scene over every monitor, the tune only when the user asked for it, until the user comes
// back or another window takes the screen.
int runFullScreen(HINSTANCE instance) {
    if (handOverToRunningInstance(RUNNING_SCREEN_SAVER_NAME, SCREEN_SAVER_WINDOW_CLASS)) {
        return 0;
    }
    if (!registerWindowClass(instance, screenSaverWindowProc, SCREEN_SAVER_WINDOW_CLASS)) {
        return 0;
    }
    platform.GetCursorPos(&pointerAtStart);
    ScreenSaverPlacement placement = screenSaverPlacement();
    sceneHost = fullScreenHost(placement.pictureArea);
    HWND window = createFullScreenWindow(instance, placement.window);
    if (window == nullptr) {
        return 0;
    }
    mainWindow = window;
    screenSaverEndsOnInput = true;
    platform.ShowWindow(mainWindow, SW_SHOW);
    platform.UpdateWindow(mainWindow);
    if (!startScene()) {
        return 0;
    }
    // Only now: showing and activating its own window, and a start-up error box, end nothing.
    screenSaverEndsOnDeactivation = true;
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
    sceneHost.playsTune = false;
    sceneHost.placesWindow = true;
    sceneHost.dataFileResource = IDR_DATA_FILE;
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
