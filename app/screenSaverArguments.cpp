#include "app/screenSaverArguments.h"

#include <cstdint>

namespace {

// The largest window number taken: Windows' window handles are 32-bit values, also in 64-bit
// programs.
constexpr uint64_t LARGEST_WINDOW_NUMBER = 0xFFFFFFFFu;
constexpr ScreenSaverCommand SETTINGS_ALONE = {SCREEN_SAVER_SETTINGS, nullptr};

// True for the blanks that may stand between the arguments.
bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// The first character of text that is not a blank.
const char *skipSpaces(const char *text) {
    while (isSpace(*text)) {
        ++text;
    }
    return text;
}

// Reads the window number after a switch letter: a colon or spaces, decimal digits, then only
// spaces. False when it is missing, holds anything else or does not fit a window handle.
bool readWindow(const char *text, HWND &window) {
    text = *text == ':' ? text + 1 : skipSpaces(text);
    uint64_t number = 0;
    const char *digits = text;
    for (; *text >= '0' && *text <= '9'; ++text) {
        number = number * 10 + static_cast<uint64_t>(*text - '0');
        if (number > LARGEST_WINDOW_NUMBER) {
            return false;
        }
    }
    if (text == digits || *skipSpaces(text) != '\0') {
        return false;
    }
    window = reinterpret_cast<HWND>(static_cast<uintptr_t>(number));
    return true;
}

} // namespace

ScreenSaverCommand parseScreenSaverArguments(const char *commandLine) {
    const char *text = skipSpaces(commandLine ? commandLine : "");
    if (*text != '/' && *text != '-') {
        return SETTINGS_ALONE;
    }
    // Windows' own screen savers look at the letter alone, in either case.
    char letter = text[1] | 0x20;
    const char *rest = text[1] ? text + 2 : text + 1;
    HWND window = nullptr;
    switch (letter) {
    case 's':
        return {SCREEN_SAVER_RUN, nullptr};
    case 'p':
        return readWindow(rest, window) ? ScreenSaverCommand{SCREEN_SAVER_PREVIEW, window}
                                        : ScreenSaverCommand{SCREEN_SAVER_INVALID, nullptr};
    case 'c':
        return readWindow(rest, window) ? ScreenSaverCommand{SCREEN_SAVER_SETTINGS, window}
                                        : SETTINGS_ALONE;
    default:
        return SETTINGS_ALONE;
    }
}
