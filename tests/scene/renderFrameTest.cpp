// renderFrame: the moves, bounces, wraps and scroll of one step, where each sprite is drawn on
// the back buffer, the order of the drawing, and the present at the end.
#include <algorithm>
#include <climits>

#include <gtest/gtest.h>

#include "SceneFrameBed.h"
#include "ScenePlatform.h"
#include "display/Display.h"
#include "scene/Scene.h"

namespace {

constexpr int32_t BALL_SIZE = 32;
constexpr int32_t STAR_SIZE = 8;
constexpr int32_t LOGO_WIDTH = 200;
constexpr int32_t LOGO_HEIGHT = 100;

class RenderFrameTest : public ::testing::Test {
  protected:
    ScenePlatform scenePlatform;
};

// Draws one frame on a log cleared just before it.
void drawOneFrame(SceneFrameBed &bed) {
    bed.log.clear();
    renderFrame();
}

void expectDrawnAt(const DDrawCall &blit, LONG x, LONG y) {
    POINT at = drawnAt(blit);
    EXPECT_EQ(x, at.x);
    EXPECT_EQ(y, at.y);
}

// Ball 0 starts at rest: the first frame's bounce sets it moving, the second moves it.
TEST_F(RenderFrameTest, FirstTwoFramesDrawBallsFromTheirStartValues) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    drawOneFrame(bed);

    DDrawCalls balls = bed.blitsFrom(bed.ballSurface);
    ASSERT_EQ(3u, balls.size());
    expectDrawnAt(balls[0], 0, 0);
    expectDrawnAt(balls[1], 498, 298);
    expectDrawnAt(balls[2], 98, 398);
    EXPECT_EQ(2, ballDX[0]);
    EXPECT_EQ(2, ballDY[0]);
    for (int i = 1; i < BALL_COUNT; ++i) {
        EXPECT_EQ(-2, ballDX[i]) << "ball " << i;
        EXPECT_EQ(-2, ballDY[i]) << "ball " << i;
    }

    drawOneFrame(bed);
    balls = bed.blitsFrom(bed.ballSurface);
    ASSERT_EQ(3u, balls.size());
    expectDrawnAt(balls[0], 2, 2);
    expectDrawnAt(balls[1], 496, 296);
    expectDrawnAt(balls[2], 96, 396);
}

TEST_F(RenderFrameTest, EveryStarFallsThreePixelsFromItsSeededPlace) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    Star seeded[STAR_COUNT];
    std::copy(stars, stars + STAR_COUNT, seeded);
    drawOneFrame(bed);

    DDrawCalls drawn = bed.blitsFrom(bed.starSurface);
    ASSERT_EQ(static_cast<size_t>(STAR_COUNT), drawn.size());
    expectDrawnAt(drawn[0], 41, 230);
    expectDrawnAt(drawn[13], 141, 479);
    for (int i = 0; i < STAR_COUNT; ++i) {
        SCOPED_TRACE(::testing::Message() << "star " << i + 1);
        expectDrawnAt(drawn[i], seeded[i].x, seeded[i].y + 3);
        EXPECT_EQ(seeded[i].x, stars[i].x);
    }
}

TEST_F(RenderFrameTest, StarPastTheBottomRestartsAtTheTop) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    drawOneFrame(bed);
    drawOneFrame(bed);
    // The fourteenth star, seeded at 476, was at 479 and would be at 482.
    DDrawCalls drawn = bed.blitsFrom(bed.starSurface);
    ASSERT_EQ(static_cast<size_t>(STAR_COUNT), drawn.size());
    expectDrawnAt(drawn[13], 141, 0);
    EXPECT_EQ(0, stars[13].y);
}

// The last frame of the cycle draws the star at 480, wholly below the screen.
TEST_F(RenderFrameTest, StarCycleIs161FramesAfterItsFirstRestart) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    stars[0] = {100, 0};
    for (int frame = 1; frame <= 160; ++frame) {
        drawOneFrame(bed);
        ASSERT_EQ(3 * frame, stars[0].y) << "frame " << frame;
    }
    DDrawCalls drawn = bed.blitsFrom(bed.starSurface);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(480, drawn[0].position.y);
    EXPECT_EQ(drawn[0].sourceRect.top, drawn[0].sourceRect.bottom) << "nothing of it shows";

    drawOneFrame(bed);
    EXPECT_EQ(0, stars[0].y);
}

struct LogoPlacement {
    int32_t height;
    LONG y;
};

TEST_F(RenderFrameTest, LogoIsCentredOnTheMiddleRowRoundingTowardZero) {
    const LogoPlacement cases[] = {
        {100, 190}, {61, 210}, {1, 240}, {0, 240}, {500, -10}, {-61, 270},
    };
    for (const LogoPlacement &c : cases) {
        SCOPED_TRACE(::testing::Message() << "logo height " << c.height);
        SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, c.height);
        logoX = 300;
        drawOneFrame(bed);
        DDrawCalls logo = bed.blitsFrom(bed.logoSurface);
        ASSERT_EQ(1u, logo.size());
        if (c.y >= 0) {
            EXPECT_EQ(c.y, logo[0].position.y);
        } else {
            // Clipped at the top: the point moves to 0 and the source starts lower by as much.
            EXPECT_EQ(0, logo[0].position.y);
            EXPECT_EQ(-c.y, logo[0].sourceRect.top);
        }
    }
}

struct LogoPass {
    int32_t width;
    int frames;
};

// Every frame of the pass shows just the logo's columns that are on the screen: none on the
// first (at 640) and on the last (at -width), one on the second.
TEST_F(RenderFrameTest, LogoPassTakes641PlusItsWidthFrames) {
    const LogoPass cases[] = {{200, 841}, {1, 642}, {0, 641}, {700, 1341}};
    for (const LogoPass &c : cases) {
        SCOPED_TRACE(::testing::Message() << "logo width " << c.width);
        SceneFrameBed bed(BALL_SIZE, STAR_SIZE, c.width, LOGO_HEIGHT);
        for (int frame = 1; frame <= c.frames; ++frame) {
            int32_t expectedX = 641 - frame;
            ASSERT_EQ(expectedX, logoX) << "before frame " << frame;
            drawOneFrame(bed);
            DDrawCalls logo = bed.blitsFrom(bed.logoSurface);
            ASSERT_EQ(1u, logo.size());
            ASSERT_EQ(expectedX, drawnAt(logo[0]).x) << "frame " << frame;
            ASSERT_EQ(240 - LOGO_HEIGHT / 2, logo[0].position.y) << "frame " << frame;
            int32_t onScreen = std::min(640, expectedX + c.width) - std::max(0, expectedX);
            ASSERT_EQ(onScreen, logo[0].sourceRect.right - logo[0].sourceRect.left)
                << "columns shown, frame " << frame;
        }
        // The last frame drew it at -width, invisible; the next draws it at 640 again.
        EXPECT_EQ(640, logoX);
        drawOneFrame(bed);
        expectDrawnAt(bed.blitsFrom(bed.logoSurface).at(0), 640, 240 - LOGO_HEIGHT / 2);
    }
}

struct BounceCase {
    const char *name;
    int32_t ballSize;
    int32_t x, y, dx, dy;
    int32_t expectedDX, expectedDY;
};

TEST_F(RenderFrameTest, BallsTurnAtTheEdgesInTheOrderOfTheTests) {
    const BounceCase cases[] = {
        // The new position is tested; only the velocity changes, effective next frame.
        {"reaches right edge", 32, 606, 100, 2, 2, -2, 2},
        {"one short of right edge", 32, 604, 100, 2, 2, 2, 2},
        {"reaches bottom edge", 32, 100, 446, 2, 2, 2, -2},
        {"one short of bottom edge", 32, 100, 444, 2, 2, 2, 2},
        {"reaches left edge", 32, 2, 100, -2, -2, 2, -2},
        {"one short of left edge", 32, 4, 100, -2, 2, -2, 2},
        {"reaches top edge", 32, 100, 2, 2, -2, 2, 2},
        {"one short of top edge", 32, 100, 4, 2, -2, 2, -2},
        {"corner", 32, 606, 446, 2, 2, -2, -2},
        {"wider and taller than the screen, at the left", 700, 0, 0, -2, -2, 2, 2},
        {"wider and taller than the screen, further right", 700, 200, 200, 2, 2, -2, -2},
        {"637 wide at its left edge", 637, 2, 2, -2, -2, 2, 2},
    };
    for (const BounceCase &c : cases) {
        SCOPED_TRACE(c.name);
        SceneFrameBed bed(c.ballSize, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
        ballX[1] = c.x;
        ballY[1] = c.y;
        ballDX[1] = c.dx;
        ballDY[1] = c.dy;
        drawOneFrame(bed);
        EXPECT_EQ(c.x + c.dx, ballX[1]);
        EXPECT_EQ(c.y + c.dy, ballY[1]);
        EXPECT_EQ(c.expectedDX, ballDX[1]);
        EXPECT_EQ(c.expectedDY, ballDY[1]);
        DDrawCalls balls = bed.blitsFrom(bed.ballSurface);
        ASSERT_EQ(3u, balls.size());
        expectDrawnAt(balls[1], c.x + c.dx, c.y + c.dy);
    }
}

TEST_F(RenderFrameTest, BallBouncesInsideTheScreenForAThousandFrames) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    for (int frame = 0; frame < 1000; ++frame) {
        renderFrame();
        for (int i = 0; i < BALL_COUNT; ++i) {
            ASSERT_GE(ballX[i], 0) << "ball " << i << " frame " << frame;
            ASSERT_LE(ballX[i], 640 - BALL_SIZE) << "ball " << i << " frame " << frame;
            ASSERT_GE(ballY[i], 0) << "ball " << i << " frame " << frame;
            ASSERT_LE(ballY[i], 480 - BALL_SIZE) << "ball " << i << " frame " << frame;
            ASSERT_TRUE(ballDX[i] == 2 || ballDX[i] == -2);
            ASSERT_TRUE(ballDY[i] == 2 || ballDY[i] == -2);
        }
    }
}

TEST_F(RenderFrameTest, DrawsInLayersAndPresentsLast) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    drawOneFrame(bed);

    DDrawCalls onBack;
    for (const DDrawCall &call : bed.log.calls) {
        if (call.object == &bed.backSurface) {
            onBack.push_back(call);
        }
    }
    ASSERT_EQ(1u + 64u + 2u, onBack.size());
    EXPECT_EQ("Blt", onBack[0].method);
    EXPECT_EQ(static_cast<DWORD>(DDBLT_COLORFILL | DDBLT_WAIT), onBack[0].flags);
    EXPECT_EQ(0u, onBack[0].fillColour);
    for (size_t i = 1; i <= 64; ++i) {
        const IDirectDrawSurface *expected = i <= 60   ? &bed.starSurface
                                             : i <= 63 ? &bed.ballSurface
                                                       : &bed.logoSurface;
        EXPECT_EQ("BltFast", onBack[i].method) << "call " << i;
        EXPECT_EQ(expected, onBack[i].source) << "call " << i;
        EXPECT_EQ(static_cast<DWORD>(DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), onBack[i].flags);
    }
    EXPECT_EQ("GetDC", onBack[65].method);
    EXPECT_EQ("ReleaseDC", onBack[66].method);

    std::vector<std::string> methods = bed.log.methods();
    auto position = [&](const std::string &method) {
        return std::find(methods.begin(), methods.end(), method) - methods.begin();
    };
    EXPECT_LT(position("GetDC"), position("TextOutA"));
    EXPECT_LT(position("TextOutA"), position("ReleaseDC"));
    EXPECT_LT(position("ReleaseDC"), position("WaitForVerticalBlank"));
    EXPECT_LT(position("WaitForVerticalBlank"), position("Flip"));
    EXPECT_EQ(1, bed.log.count("Flip", &bed.primarySurface));
}

TEST_F(RenderFrameTest, WritesTheFrameRateInWhiteAtTheTopLeftCorner) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    sceneCalls.now = 5000;
    drawOneFrame(bed);
    DDrawCalls texts = bed.log.callsOf("TextOutA");
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ("Frame Rate = 00", texts[0].text);
    EXPECT_EQ(0, texts[0].position.x);
    EXPECT_EQ(0, texts[0].position.y);
    EXPECT_EQ(0xFFFFFFu, bed.log.callsOf("SetTextColor").at(0).textColour);
    EXPECT_EQ(bed.backSurface.dc, texts[0].dc);
}

TEST_F(RenderFrameTest, CountsOneFrameEachAndShowsTheRateAfterASecond) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    sceneCalls.now = 5000;
    renderFrame(); // starts the first real interval at 5000 ms
    for (int frame = 0; frame < 59; ++frame) {
        sceneCalls.now += 17;
        renderFrame();
    }
    EXPECT_EQ(60u, frameCounter.frameCount);
    EXPECT_EQ(59u * 1000u / (59u * 17u), frameCounter.rate);
    drawOneFrame(bed);
    DDrawCalls texts = bed.log.callsOf("TextOutA");
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ("Frame Rate = 58", texts[0].text);
}

TEST_F(RenderFrameTest, SpritesThatFailedToLoadNeverStopAFrame) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    // What a failed load leaves: no surface and a size of 0.
    for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        sprite->surface = nullptr;
        sprite->width = 0;
        sprite->height = 0;
        sprite->sourceRect = {0, 0, 0, 0};
    }
    for (int frame = 0; frame < 700; ++frame) {
        renderFrame();
    }
    EXPECT_EQ(700u, frameCounter.frameCount);
    EXPECT_EQ(700, bed.log.count("Flip", &bed.primarySurface));
    EXPECT_GE(logoX, 0) << "a logo 0 wide runs from 640 to 0";
    EXPECT_LE(logoX, 640);
}

TEST_F(RenderFrameTest, ExtremeImageSizesDoNotOverflowTheBounds) {
    const int32_t sizes[] = {INT_MIN, -1, INT_MAX};
    for (int32_t size : sizes) {
        SCOPED_TRACE(::testing::Message() << "size " << size);
        SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
        for (Surface *sprite : {ballSprite, logoSprite}) {
            sprite->surface = nullptr;
            sprite->width = size;
            sprite->height = size;
        }
        for (int frame = 0; frame < 3; ++frame) {
            renderFrame();
        }
        for (int i = 0; i < BALL_COUNT; ++i) {
            EXPECT_TRUE(ballDX[i] == 2 || ballDX[i] == -2) << "ball " << i;
            EXPECT_TRUE(ballDY[i] == 2 || ballDY[i] == -2) << "ball " << i;
        }
        EXPECT_TRUE(logoX == 640 || (logoX >= 637 && logoX <= 639)) << logoX;
    }
}

TEST_F(RenderFrameTest, DoesNothingWithoutABackBuffer) {
    SceneFrameBed bed(BALL_SIZE, STAR_SIZE, LOGO_WIDTH, LOGO_HEIGHT);
    Surface *backBuffer = currentDisplay->backBuffer;
    currentDisplay->backBuffer = nullptr;
    drawOneFrame(bed);
    currentDisplay->backBuffer = backBuffer;
    EXPECT_TRUE(bed.log.calls.empty());
    EXPECT_EQ(0u, frameCounter.frameCount);
    EXPECT_EQ(640, logoX);
}

} // namespace
