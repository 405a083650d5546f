// pictureRect: where the 640x480 picture goes in windows of every size.
#include <gtest/gtest.h>

#include "display/pictureRect.h"

namespace {

struct PictureCase {
    RECT area;
    RECT expected;
};

const PictureCase pictureCases[] = {
    {{0, 0, 640, 480}, {0, 0, 640, 480}},         // the demo's own window: unchanged
    {{0, 0, 1280, 960}, {0, 0, 1280, 960}},       // twice as large: 2x2 blocks
    {{0, 0, 1919, 1440}, {319, 240, 1599, 1200}}, // one pixel short of 3x in width
    {{0, 0, 1024, 768}, {192, 144, 832, 624}},    // 1x, centred
    {{0, 0, 1920, 1080}, {320, 60, 1600, 1020}},  // 2x, centred
    {{0, 0, 2560, 1600}, {320, 80, 2240, 1520}},  // 3x, centred
    {{0, 0, 152, 112}, {1, 0, 150, 112}},         // a preview: shrunk to its height
    {{0, 0, 100, 300}, {0, 112, 100, 187}},       // shrunk to its width
    {{10, 20, 651, 501}, {10, 20, 650, 500}},     // an area not at the origin; odd rest
    {{0, 0, 0, 0}, {0, 0, 0, 0}},                 // nothing to show it in
    {{5, 5, 0, 0}, {5, 5, 5, 5}},                 // a reversed area counts as empty
};

TEST(PictureRect, ScalesByWholeNumbersCentresAndShrinksOnlyWhenItMust) {
    for (const PictureCase &row : pictureCases) {
        RECT got = pictureRect(row.area, 640, 480);
        EXPECT_EQ(row.expected.left, got.left) << row.area.right << "x" << row.area.bottom;
        EXPECT_EQ(row.expected.top, got.top) << row.area.right << "x" << row.area.bottom;
        EXPECT_EQ(row.expected.right, got.right) << row.area.right << "x" << row.area.bottom;
        EXPECT_EQ(row.expected.bottom, got.bottom) << row.area.right << "x" << row.area.bottom;
    }
}

} // namespace
