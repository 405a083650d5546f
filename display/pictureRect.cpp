#include "display/pictureRect.h"

#include <algorithm>

RECT pictureRect(const RECT &area, int32_t width, int32_t height) {
    int64_t areaWidth = std::max<int64_t>(0, int64_t(area.right) - area.left);
    int64_t areaHeight = std::max<int64_t>(0, int64_t(area.bottom) - area.top);
    if (width <= 0 || height <= 0)
        return area;
    int64_t shownWidth = 0;
    int64_t shownHeight = 0;
    int64_t scale = std::min(areaWidth / width, areaHeight / height);
    if (scale >= 1) {
        shownWidth = width * scale;
        shownHeight = height * scale;
    } else if (areaWidth * height <= areaHeight * width) {
        // Shrunk to the area's width, which leaves room above and below.
        shownWidth = areaWidth;
        shownHeight = areaWidth * height / width;
    } else {
        shownWidth = areaHeight * width / height;
        shownHeight = areaHeight;
    }
    LONG left = area.left + static_cast<LONG>((areaWidth - shownWidth) / 2);
    LONG top = area.top + static_cast<LONG>((areaHeight - shownHeight) / 2);
    return {left, top, left + static_cast<LONG>(shownWidth), top + static_cast<LONG>(shownHeight)};
}
