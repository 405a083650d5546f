// clipToRect and Surface::blitTo over the edges and corners of the screen, the empty
// rectangles at the exact outer positions, and what a lost surface leads to.
#include "DisplayTestBed.h"
#include "support/BmpImage.h"

namespace {

using Sequence = std::vector<std::string>;

struct ClipCase {
    const char *name;
    int32_t x, y;               // where a 32 x 32 sprite is put
    int32_t clippedX, clippedY; // where it is drawn
    RECT source;                // the part of it that is drawn
};

// A 32 x 32 sprite on the 640 x 480 screen.
const ClipCase CLIP_CASES[] = {
    {"inside", 100, 100, 100, 100, {0, 0, 32, 32}},
    {"touching the right edge", 600, 100, 600, 100, {0, 0, 32, 32}},
    {"over the right edge", 620, 100, 620, 100, {0, 0, 20, 32}},
    {"over the left edge", -10, 100, 0, 100, {10, 0, 32, 32}},
    {"over the top edge", 100, -5, 100, 0, {0, 5, 32, 32}},
    {"over the bottom edge", 100, 460, 100, 460, {0, 0, 32, 20}},
    {"top-left corner", -10, -5, 0, 0, {10, 5, 32, 32}},
    {"bottom-right corner", 620, 470, 620, 470, {0, 0, 20, 10}},
    {"top-right corner", 630, -8, 630, 0, {0, 8, 10, 32}},
    {"bottom-left corner", -4, 476, 0, 476, {4, 0, 32, 4}},
    {"exactly past the right edge", 640, 100, 640, 100, {0, 0, 0, 32}},
    {"exactly past the left edge", -32, 100, 0, 100, {32, 0, 32, 32}},
    {"exactly past the bottom edge", 100, 480, 100, 480, {0, 0, 32, 0}},
    {"exactly past the top edge", 100, -32, 100, 0, {0, 32, 32, 32}},
};

bool sameRect(const RECT &a, const RECT &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string text(const RECT &r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

TEST(ClipToRect, ClipsEveryEdgeAndCorner) {
    const RECT screen = {0, 0, 640, 480};
    for (const ClipCase &c : CLIP_CASES) {
        SCOPED_TRACE(c.name);
        int32_t x = c.x, y = c.y;
        RECT source = {0, 0, 32, 32};
        clipToRect(x, y, source, screen);
        EXPECT_EQ(c.clippedX, x);
        EXPECT_EQ(c.clippedY, y);
        EXPECT_TRUE(sameRect(c.source, source)) << text(source);
    }
}

TEST(ClipToRect, ClipsAgainstAClipRectangleAwayFromTheOrigin) {
    const RECT clip = {10, 20, 110, 120};
    int32_t x = 0, y = 100;
    RECT source = {0, 0, 32, 32};
    clipToRect(x, y, source, clip);
    EXPECT_EQ(10, x);
    EXPECT_EQ(100, y);
    EXPECT_TRUE(sameRect(RECT{10, 0, 32, 20}, source)) << text(source);
}

TEST(ClipToRect, RightEdgeTestUsesTheUnclippedPosition) {
    // A sprite wider than the clip rectangle, hanging over both sides.
    const RECT clip = {0, 0, 100, 100};
    int32_t x = -10, y = 0;
    RECT source = {0, 0, 200, 10};
    clipToRect(x, y, source, clip);
    EXPECT_EQ(0, x);
    EXPECT_TRUE(sameRect(RECT{10, 0, 110, 10}, source)) << text(source);
}

class BlitTo : public DisplayTestBed {
  protected:
    BlitTo() {
        ScreenWidth = 640;
        ScreenHeight = 480;
        fake.installAsDirectDraw();
        sprite.width = 32;
        sprite.height = 32;
        back.width = 640;
        back.height = 480;
        EXPECT_EQ(RC_SUCCESS, sprite.create(MEMORY_SYSTEM));
        EXPECT_EQ(RC_SUCCESS, back.create(MEMORY_ANY));
        fake.log.clear();
    }

    Surface sprite;
    Surface back;
};

TEST_F(BlitTo, ClipsEachBlitAndKeepsTheSourceRectangle) {
    for (const ClipCase &c : CLIP_CASES) {
        SCOPED_TRACE(c.name);
        fake.log.clear();
        sprite.blitTo(c.x, c.y, 1, &back);
        DDrawCalls blits = fake.bltFastOnto(back.surface);
        ASSERT_EQ(1u, blits.size());
        EXPECT_EQ(c.clippedX, blits[0].position.x);
        EXPECT_EQ(c.clippedY, blits[0].position.y);
        EXPECT_TRUE(sameRect(c.source, blits[0].sourceRect)) << text(blits[0].sourceRect);
        EXPECT_EQ(sprite.surface, blits[0].source);
        EXPECT_EQ(c.clippedX, sprite.x);
        EXPECT_EQ(c.clippedY, sprite.y);
        EXPECT_TRUE(sameRect(RECT{0, 0, 32, 32}, sprite.sourceRect)) << text(sprite.sourceRect);
    }
}

TEST_F(BlitTo, FlagsFollowTheColourKeyChoice) {
    sprite.blitTo(0, 0, 1, &back);
    sprite.blitTo(0, 0, 0, &back);
    DDrawCalls blits = fake.bltFastOnto(back.surface);
    ASSERT_EQ(2u, blits.size());
    EXPECT_EQ(0x11u, blits[0].flags);
    EXPECT_EQ(0x10u, blits[1].flags);
}

TEST_F(BlitTo, LostSurfaceRestoresTheSpriteNotTheDestination) {
    fake.failCall("BltFast", 1, DDERR_SURFACELOST);
    sprite.blitTo(10, 10, 1, &back);
    EXPECT_EQ((Sequence{"surface2.BltFast", "surface1.Restore"}), callSequence(fake.log));
}

TEST_F(BlitTo, LostSpriteComesBackWithItsImage) {
    BmpShape shape;
    shape.width = 32;
    shape.height = 32;
    FILE *stream = streamHolding(buildBmp(shape));
    ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream));
    std::fclose(stream);
    ASSERT_EQ(RC_SUCCESS, sprite.create(MEMORY_SYSTEM));
    fake.find(sprite.surface)->lost = true;
    fake.log.clear();

    sprite.blitTo(10, 10, 1, &back);

    EXPECT_EQ((Sequence{"surface2.BltFast", "surface3.Restore", "surface3.GetDC",
                        "platform.StretchDIBits", "surface3.ReleaseDC"}),
              callSequence(fake.log));
    EXPECT_FALSE(fake.find(sprite.surface)->lost);
}

TEST_F(BlitTo, OtherFailuresAreIgnored) {
    fake.failCall("BltFast", 0, DDERR_INVALIDRECT);
    sprite.blitTo(640, 100, 1, &back);
    EXPECT_EQ((Sequence{"surface2.BltFast"}), callSequence(fake.log));
}

TEST_F(BlitTo, NothingHappensWithoutSurfaces) {
    Surface unloaded; // its image failed to load, so it has no surface
    Surface noDestination;
    unloaded.blitTo(5, 5, 1, &back);
    sprite.blitTo(5, 5, 1, &noDestination);
    sprite.blitTo(5, 5, 1, nullptr);
    EXPECT_TRUE(fake.log.calls.empty());
    EXPECT_EQ(0, unloaded.x);
    EXPECT_EQ(0, sprite.x);
}

} // namespace
