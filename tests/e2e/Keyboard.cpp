#include "Keyboard.h"

#include <vector>

namespace {

INPUT keyInput(WORD vk, bool release) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Gives window the keyboard focus; the keys then reach its window procedure.
void focus(HWND window) {
    SetForegroundWindow(window);
    SetFocus(window);
    Sleep(100);
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(100);
}

} // namespace

void pressKey(HWND window, WORD vk) {
    focus(window);
    send({keyInput(vk, false), keyInput(vk, true)});
}

void pressAltEnter(HWND window) {
    focus(window);
    send({keyInput(VK_MENU, false), keyInput(VK_RETURN, false), keyInput(VK_RETURN, true),
          keyInput(VK_MENU, true)});
}
