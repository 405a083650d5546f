// SceneFrameBed: a scene ready to draw frames into recording DirectDraw doubles: a full-screen
// Display whose primary and back buffer wrap fake surfaces, and three loaded-looking sprites.
#pragma once

#include <cstdint>
#include <vector>

#include "doubles/DDrawCallLog.h"
#include "doubles/FakeDirectDraw.h"
#include "doubles/FakeDirectDrawSurface.h"
#include "doubles/FakeGdi.h"
#include "display/Surface.h"

class SceneFrameBed {
  public:
    // Sets the scene to its start values with the stars seeded, and sprites of these sizes.
    SceneFrameBed(int32_t ballSize, int32_t starSize, int32_t logoWidth, int32_t logoHeight);
    ~SceneFrameBed();
    SceneFrameBed(const SceneFrameBed &) = delete;
    SceneFrameBed &operator=(const SceneFrameBed &) = delete;

    // The fast blits from sprite onto the back buffer since the log was last cleared.
    DDrawCalls blitsFrom(const FakeDirectDrawSurface &sprite) const;

    DDrawCallLog log;
    FakeGdi gdi;
    FakeDirectDraw ddraw;
    FakeDirectDrawSurface primarySurface;
    FakeDirectDrawSurface backSurface;
    FakeDirectDrawSurface ballSurface;
    FakeDirectDrawSurface starSurface;
    FakeDirectDrawSurface logoSurface;
};

// Where a blit placed the sprite's top-left corner before clipping moved it onto the screen.
POINT drawnAt(const DDrawCall &blit);

// A sprite Surface as the reload leaves it: size, rectangles and the given surface.
Surface *makeSprite(IDirectDrawSurface *surface, int32_t width, int32_t height);
