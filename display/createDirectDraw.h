// The first steps of both Display set-ups: the DirectDraw object and its two Surface wrappers.
#pragma once

#include "platform/ResultCode.h"
#include "display/Surface.h"

// Makes the DirectDraw object of the active display driver and puts its IDirectDraw2 face
// into directDraw. RC_DDRAW_INIT_FAILED or RC_DDRAW2_INIT_FAILED when it cannot.
ResultCode createDirectDraw();

// Allocates the primary and back-buffer Surfaces; false when memory ran out (what was
// allocated stays in place for Display::release).
bool newDisplaySurfaces(Surface *&primary, Surface *&backBuffer);
