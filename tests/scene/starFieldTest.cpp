// The star field: the same sixty stars on every run, drawn x then y from the generator.
#include <gtest/gtest.h>

#include "SceneStateReset.h"
#include "scene/Scene.h"
#include "scene/starField.h"

namespace {

class StarFieldTest : public ::testing::Test {
  protected:
    void SetUp() override { resetSceneState(); }
    void TearDown() override { resetSceneState(); }
};

struct ExpectedStar {
    int index;
    int32_t x;
    int32_t y;
};

TEST_F(StarFieldTest, SeedsTheKnownStars) {
    seedStars();
    const ExpectedStar expected[] = {
        {0, 41, 227}, {1, 574, 100},  {2, 609, 364},  {3, 598, 78},
        {4, 82, 464}, {13, 141, 476}, {59, 617, 192},
    };
    for (const ExpectedStar &star : expected) {
        SCOPED_TRACE(::testing::Message() << "star " << star.index + 1);
        EXPECT_EQ(star.x, stars[star.index].x);
        EXPECT_EQ(star.y, stars[star.index].y);
    }
}

TEST_F(StarFieldTest, EveryStarLiesOnTheScreen) {
    seedStars();
    for (int i = 0; i < STAR_COUNT; ++i) {
        SCOPED_TRACE(::testing::Message() << "star " << i + 1);
        EXPECT_GE(stars[i].x, 0);
        EXPECT_LT(stars[i].x, 640);
        EXPECT_GE(stars[i].y, 0);
        EXPECT_LT(stars[i].y, 480);
    }
}

TEST_F(StarFieldTest, GeneratorStartsAtOneAndYieldsFifteenBits) {
    // state = 1 * 214013 + 2531011 = 2745024 = 0x29E2C0, so the first draw is 0x29 = 41.
    EXPECT_EQ(41, starRandom());
    EXPECT_EQ(2745024u, starRandomState);
    for (int i = 0; i < 1000; ++i) {
        int32_t value = starRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST_F(StarFieldTest, GeneratorStateWrapsModulo32Bits) {
    starRandomState = 0xFFFFFFFFu;
    // 0xFFFFFFFF * 214013 + 2531011 = 2531011 - 214013 (mod 2^32) = 2316998 = 0x235AC6.
    EXPECT_EQ(0x23, starRandom());
    EXPECT_EQ(2316998u, starRandomState);
}

} // namespace
