// The main window's geometry: centred on any screen, scaled by the desktop's whole-number scale
// that fits, and pinned to its size.
#include <gtest/gtest.h>

#include "app/mainWindow.h"
#include "scene/windowSizeFor.h"

namespace {

struct CentringCase {
    int screenWidth, screenHeight;
    LONG expectedX, expectedY;
};

TEST(centredWindowPosition, HalvesTheScreenTowardZeroWithoutClamping) {
    const CentringCase cases[] = {
        {1024, 768, 192, 144}, {800, 600, 80, 60},   {1025, 769, 192, 144}, {600, 400, -20, -40},
        {640, 480, 0, 0},      {641, 481, 0, 0},     {639, 479, -1, -1},    {1, 1, -320, -240},
        {0, 0, -320, -240},    {-1, -1, -320, -240}, {-3, -3, -321, -241},  {1920, 1080, 640, 300},
    };
    for (const CentringCase &c : cases) {
        POINT position = centredWindowPosition(c.screenWidth, c.screenHeight);
        EXPECT_EQ(position.x, c.expectedX) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(position.y, c.expectedY) << c.screenWidth << "x" << c.screenHeight;
    }
}

TEST(windowScaleFor, WholeNumberOfTheDpiThatFitsTheScreen) {
    // screen width, height, dpi, scale
    const int cases[][4] = {{1920, 1080, 191, 1}, {1920, 1080, 192, 2}, {1920, 1080, 288, 2},
                            {3840, 2160, 288, 3}, {1280, 959, 192, 1},  {1280, 960, 192, 2},
                            {1920, 1080, 0, 1}};
    for (const auto &c : cases) {
        EXPECT_EQ(c[3], windowScaleFor({c[0], c[1]}, c[2])) << c[0] << "x" << c[1] << " " << c[2];
    }
}

TEST(fillMinMaxInfo, WritesTheFourPointsAndLeavesReservedAlone) {
    MINMAXINFO info;
    const POINT sentinel = {0x5A5A5A5A, -0x5A5A5A5A};
    info.ptReserved = sentinel;
    info.ptMaxSize = info.ptMaxPosition = info.ptMinTrackSize = info.ptMaxTrackSize = sentinel;

    fillMinMaxInfo(nullptr, &info);

    EXPECT_EQ(info.ptMaxSize.x, 640);
    EXPECT_EQ(info.ptMaxSize.y, 480);
    EXPECT_EQ(info.ptMaxPosition.x, 320);
    EXPECT_EQ(info.ptMaxPosition.y, 240);
    EXPECT_EQ(info.ptMinTrackSize.x, 640);
    EXPECT_EQ(info.ptMinTrackSize.y, 480);
    EXPECT_EQ(info.ptMaxTrackSize.x, 640);
    EXPECT_EQ(info.ptMaxTrackSize.y, 480);
    EXPECT_EQ(info.ptReserved.x, sentinel.x);
    EXPECT_EQ(info.ptReserved.y, sentinel.y);
}

} // namespace
