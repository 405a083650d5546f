#include "app/messageLoop.h"

#include "platform/PlatformCalls.h"
#include "scene/Scene.h"

int runMessageLoop(HWND host) {
    MSG message;
    for (;;) {
        // A preview's child goes with its host, but a host whose program was ended may take it
        // along without a message.
        if (host != nullptr && !platform.IsWindow(host)) {
            return 0;
        }
        if (platform.PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (platform.GetMessageA(&message, nullptr, 0, 0) == 0) {
                return static_cast<int>(message.wParam);
            }
            platform.TranslateMessage(&message);
            platform.DispatchMessageA(&message);
        } else {
            renderFrame();
        }
    }
}
