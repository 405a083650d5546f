#include "SceneFrameBed.h"

#include "SceneStateReset.h"
#include "display/Display.h"
#include "display/FramePacer.h"
#include "scene/Scene.h"
#include "scene/starField.h"

Surface *makeSprite(IDirectDrawSurface *surface, int32_t width, int32_t height) {
    Surface *sprite = new Surface();
    sprite->width = width;
    sprite->height = height;
    sprite->sourceRect = {0, 0, width, height};
    sprite->clipRect = {0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
    sprite->surface = surface;
    return sprite;
}

SceneFrameBed::SceneFrameBed(int32_t ballSize, int32_t starSize, int32_t logoWidth,
                             int32_t logoHeight)
    : gdi(log), ddraw(log, SCREEN_WIDTH, SCREEN_HEIGHT),
      primarySurface(log, "primary", DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP, SCREEN_WIDTH,
                     SCREEN_HEIGHT),
      backSurface(log, "back", DDSCAPS_BACKBUFFER, SCREEN_WIDTH, SCREEN_HEIGHT),
      ballSurface(log, "ball", DDSCAPS_OFFSCREENPLAIN, ballSize, ballSize),
      starSurface(log, "star", DDSCAPS_OFFSCREENPLAIN, starSize, starSize),
      logoSurface(log, "logo", DDSCAPS_OFFSCREENPLAIN, logoWidth, logoHeight) {
    resetSceneState();
    // The doubles' vertical-blank wait returns at once; frames need not be paced in a test.
    framePacingEnabled = false;
    ScreenWidth = SCREEN_WIDTH;
    ScreenHeight = SCREEN_HEIGHT;
    ScreenBitsPerPixel = 32;
    currentDisplay = new Display();
    // After the constructor, which clears the process-wide DirectDraw object.
    ddraw.second.refCount = 1;
    directDraw = &ddraw.second;
    currentDisplay->fullScreen = 1;
    currentDisplay->primary = makeSprite(&primarySurface, 0, 0);
    currentDisplay->backBuffer = makeSprite(&backSurface, 0, 0);
    currentDisplay->clipper = nullptr;
    currentDisplay->window = nullptr;

    ballSprite = makeSprite(&ballSurface, ballSize, ballSize);
    starSprite = makeSprite(&starSurface, starSize, starSize);
    logoSprite = makeSprite(&logoSurface, logoWidth, logoHeight);
    seedStars();
}

SceneFrameBed::~SceneFrameBed() {
    delete currentDisplay->primary;
    delete currentDisplay->backBuffer;
    delete currentDisplay;
    delete ballSprite;
    delete starSprite;
    delete logoSprite;
    directDraw = nullptr;
    framePacingEnabled = true;
    resetSceneState();
}

DDrawCalls SceneFrameBed::blitsFrom(const FakeDirectDrawSurface &sprite) const {
    DDrawCalls blits;
    for (const DDrawCall &call : log.callsOf("BltFast", &backSurface)) {
        if (call.source == &sprite) {
            blits.push_back(call);
        }
    }
    return blits;
}

POINT drawnAt(const DDrawCall &blit) {
    // Clipping at the left or top moves the point onto the screen and the source rectangle's
    // corner by the same amount; the sprite's own rectangle starts at (0, 0).
    return {blit.position.x - blit.sourceRect.left, blit.position.y - blit.sourceRect.top};
}
