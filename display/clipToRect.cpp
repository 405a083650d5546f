// Clipping of a blit's source rectangle and destination point to a clip rectangle.
#include "display/Surface.h"

void clipToRect(int32_t &x, int32_t &y, RECT &source, const RECT &clip) {
    if (source.right - source.left + x > clip.right)
        source.right = clip.right - x + source.left;
    if (x < clip.left) {
        source.left += clip.left - x;
        x = clip.left;
    }
    if (y < clip.top) {
        source.top += clip.top - y;
        y = clip.top;
    }
    if (source.bottom - source.top + y > clip.bottom)
        source.bottom = clip.bottom - y + source.top;
}
