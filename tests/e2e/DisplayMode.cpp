#include "DisplayMode.h"

namespace {

constexpr LONG DEMO_WIDTH = 640;
constexpr LONG DEMO_HEIGHT = 480;

} // namespace

DEVMODEA currentMode() {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    return mode;
}

RECT centredWindowRect(const DEVMODEA &desktop) {
    LONG left = static_cast<LONG>(desktop.dmPelsWidth) / 2 - DEMO_WIDTH / 2;
    LONG top = static_cast<LONG>(desktop.dmPelsHeight) / 2 - DEMO_HEIGHT / 2;
    return {left, top, left + DEMO_WIDTH, top + DEMO_HEIGHT};
}
