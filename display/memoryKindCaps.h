// The surface capabilities that each MemoryKind asks DirectDraw for.
#pragma once

#include <cstdint>

#include <windows.h>

// DDSCAPS_OFFSCREENPLAIN with the memory the kind names; 0 for an unknown kind.
DWORD memoryKindCaps(uint32_t kind);
