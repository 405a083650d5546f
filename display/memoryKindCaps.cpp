// The capability table of MemoryKind.
#include "display/memoryKindCaps.h"

#include <ddraw.h>

#include "display/Surface.h"

DWORD memoryKindCaps(uint32_t kind) {
    switch (kind) {
    case MEMORY_SYSTEM:
        return DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    case MEMORY_VIDEO:
        return DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    case MEMORY_ANY:
        return DDSCAPS_OFFSCREENPLAIN;
    default:
        return 0;
    }
}
