// Tests of the anti-aliasing loop and the colour cap: where the sub-samples fall, how they
// are averaged into colour and coverage, and that a capped colour keeps what is below the cap.
#include "supersample.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Supersample, SamplesEveryPixelAtEvenlySpacedPointsInside) {
    std::vector<Vec2> points;
    supersample(2, 3, [&points](Vec2 p) {
        points.push_back(p);
        return Sample{};
    });

    ASSERT_EQ(2u * 3u * SamplesPerAxis * SamplesPerAxis, points.size());
    const double step = 1.0 / SamplesPerAxis;
    EXPECT_DOUBLE_EQ(step / 2, points.front().x);
    EXPECT_DOUBLE_EQ(step / 2, points.front().y);
    EXPECT_DOUBLE_EQ(2 - step / 2, points.back().x);
    EXPECT_DOUBLE_EQ(3 - step / 2, points.back().y);
    for (const Vec2 &p : points) {
        EXPECT_GT(p.x, 0);
        EXPECT_LT(p.x, 2);
        EXPECT_GT(p.y, 0);
        EXPECT_LT(p.y, 3);
    }
}

TEST(Supersample, AveragesColourAndWeightOverThePixel) {
    // Covers the left half of every pixel with red, and lights the right half at a quarter.
    const Canvas canvas = supersample(3, 2, [](Vec2 p) {
        const double inPixel = p.x - static_cast<int>(p.x);
        if (inPixel < 0.5)
            return Sample{{200, 0, 0}, 1};
        return Sample{{0, 0, 40}, 0.25};
    });

    ASSERT_EQ(3, canvas.width);
    ASSERT_EQ(2, canvas.height);
    for (const Shade &shade : canvas.pixels) {
        EXPECT_DOUBLE_EQ(100, shade.red);
        EXPECT_DOUBLE_EQ(0, shade.green);
        EXPECT_DOUBLE_EQ(20, shade.blue);
        EXPECT_DOUBLE_EQ(0.625, shade.coverage);
    }
}

TEST(Supersample, KeepsEachPixelToItsOwnSamples) {
    // Only the pixel at (1, 0) is drawn; its neighbours stay empty.
    const Canvas canvas = supersample(3, 2, [](Vec2 p) {
        if (p.x > 1 && p.x < 2 && p.y < 1)
            return Sample{{255, 128, 64}, 1};
        return Sample{};
    });

    EXPECT_DOUBLE_EQ(1, canvas.at(1, 0).coverage);
    EXPECT_DOUBLE_EQ(128, canvas.at(1, 0).green);
    EXPECT_DOUBLE_EQ(0, canvas.at(0, 0).coverage);
    EXPECT_DOUBLE_EQ(0, canvas.at(2, 0).coverage);
    EXPECT_DOUBLE_EQ(0, canvas.at(1, 1).coverage);
    EXPECT_DOUBLE_EQ(0, canvas.at(1, 1).red);
}

TEST(Capped, CutsOnlyTheComponentsAboveTheLimit) {
    const Vec3 colour = capped({300, 255, 12.5}, 255);
    EXPECT_EQ(255, colour.x);
    EXPECT_EQ(255, colour.y);
    EXPECT_EQ(12.5, colour.z);
}
