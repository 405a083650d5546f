// The command a WM_SYSCOMMAND carries, as both window procedures read it.
#pragma once

#include <windows.h>

// The command in a WM_SYSCOMMAND's wParam: its low four bits are the system's own.
constexpr WPARAM systemCommand(WPARAM wParam) {
    return wParam & 0xFFF0;
}
