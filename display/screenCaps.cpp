#include "display/screenCaps.h"

#include "platform/PlatformCalls.h"

void readScreenCaps(const int *indexes, int *values, size_t count) {
    HDC screen = platform.GetDC(nullptr);
    for (size_t i = 0; i < count; ++i)
        values[i] = platform.GetDeviceCaps(screen, indexes[i]);
    platform.ReleaseDC(nullptr, screen);
}

int32_t desktopBitsPerPixel() {
    const int caps[] = {BITSPIXEL, PLANES};
    int values[2];
    readScreenCaps(caps, values, 2);
    return values[0] * values[1];
}
