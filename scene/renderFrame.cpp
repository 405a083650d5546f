// One frame of the demo: moves the balls, stars and logo by fixed steps and draws them, with the
// frame rate on top, into the back buffer, then presents it at the vertical blank.
#include "display/Display.h"
#include "scene/Scene.h"

namespace {

constexpr uint32_t CLEAR_PIXEL = 0;
constexpr int32_t BALL_SPEED = 2;
constexpr int32_t STAR_FALL = 3;
constexpr int32_t LOGO_STEP = 1;
constexpr COLORREF FRAME_RATE_COLOUR = 0xFFFFFF;
// A ball turns once it comes within this many pixels of an edge of the screen.
constexpr int32_t BALL_EDGE_MARGIN = 2;
constexpr int32_t BALL_RIGHT_LIMIT = SCREEN_WIDTH - BALL_EDGE_MARGIN;   // 638
constexpr int32_t BALL_BOTTOM_LIMIT = SCREEN_HEIGHT - BALL_EDGE_MARGIN; // 478

// Moves ball i one step and turns it at the screen edges; the new velocity applies next frame.
void moveBall(int i, int32_t ballWidth, int32_t ballHeight) {
    ballX[i] += ballDX[i];
    ballY[i] += ballDY[i];
    // 64-bit bounds: an image header may hold any 32-bit size, and 638 - size must not overflow.
    // Both tests of an axis run in turn and the later one wins: a ball wider than 636 that meets
    // both at once heads right (+2).
    if (ballX[i] > BALL_RIGHT_LIMIT - int64_t{ballWidth}) {
        ballDX[i] = -BALL_SPEED;
    }
    if (ballX[i] < BALL_EDGE_MARGIN) {
        ballDX[i] = BALL_SPEED;
    }
    if (ballY[i] > BALL_BOTTOM_LIMIT - int64_t{ballHeight}) {
        ballDY[i] = -BALL_SPEED;
    }
    if (ballY[i] < BALL_EDGE_MARGIN) {
        ballDY[i] = BALL_SPEED;
    }
}

// Lets every star fall, wrapping past the bottom to the top, and draws it.
void moveAndDrawStars(Surface *backBuffer) {
    for (Star &star : stars) {
        star.y += STAR_FALL;
        if (star.y > SCREEN_HEIGHT) {
            star.y = 0;
        }
        starSprite->blitTo(star.x, star.y, BLIT_WITH_COLOR_KEY, backBuffer);
    }
}

// Draws the three balls where this frame's move left them.
void drawBalls(Surface *backBuffer) {
    for (int i = 0; i < BALL_COUNT; ++i) {
        ballSprite->blitTo(ballX[i], ballY[i], BLIT_WITH_COLOR_KEY, backBuffer);
    }
}

// Draws the logo centred on the screen's middle row; the halving rounds toward zero.
void drawLogo(Surface *backBuffer) {
    logoSprite->blitTo(logoX, SCREEN_HEIGHT / 2 - logoSprite->height / 2, BLIT_WITH_COLOR_KEY,
                       backBuffer);
}

// Moves the logo one pixel left and brings it back to the right edge once it has fully left.
void scrollLogo() {
    logoX -= LOGO_STEP;
    if (logoX < -int64_t{logoSprite->width}) {
        logoX = SCREEN_WIDTH;
    }
}

} // namespace

void renderFrame() {
    // A failed display set-up leaves no back buffer; the quit message is already on its way.
    if (currentDisplay == nullptr || currentDisplay->backBuffer == nullptr) {
        return;
    }
    Surface *backBuffer = currentDisplay->backBuffer;

    backBuffer->fill(CLEAR_PIXEL);
    for (int i = 0; i < BALL_COUNT; ++i) {
        moveBall(i, ballSprite->width, ballSprite->height);
    }
    moveAndDrawStars(backBuffer);
    frameCounter.tick();
    drawBalls(backBuffer);
    drawLogo(backBuffer);
    scrollLogo();
    frameCounter.draw(0, 0, FRAME_RATE_COLOUR, backBuffer);
    currentDisplay->present(PRESENT_AT_VERTICAL_BLANK);
    // Surfaces that cannot be restored in this display mode: the desktop's mode changed.
    if (currentDisplay->wrongMode) {
        rebuildWindowedDisplay();
    }
}
