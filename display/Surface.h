// Surface: one DirectDraw surface and, for a sprite, the 8-bit image loaded into it.
// The same class serves the primary surface, the back buffer and the three sprites.
// Its image loader is in BmpLoader.cpp; everything else is in Surface.cpp.
#pragma once

#include <cstdint>
#include <cstdio>

#include <windows.h>
#include <ddraw.h>

#include "platform/ResultCode.h"

// Where Surface::create asks DirectDraw to put a new surface.
enum MemoryKind : uint32_t {
    MEMORY_SYSTEM = 256,
    MEMORY_VIDEO = 257,
    MEMORY_ANY = 258,
};

// The useColorKey argument of Surface::blitTo that leaves the key-coloured pixels out.
constexpr int32_t BLIT_WITH_COLOR_KEY = 1;

class Surface {
  public:
    Surface();

    // Reads a BMP from stream, positioned at its first byte; null stands for a missing file.
    ResultCode loadBitmap(FILE *stream);
    // Makes a width x height offscreen surface through the DirectDraw object.
    ResultCode create(uint32_t kind);
    HRESULT setColorKey(DWORD key);
    // Draws the loaded image onto the surface with its top-left corner at (x, y).
    void drawImage(int32_t x, int32_t y);
    HRESULT fill(DWORD colour);
    // Colour-keyed (or not) fast blit of the whole image onto destination, clipped to clipRect.
    void blitTo(int32_t x, int32_t y, int32_t useColorKey, Surface *destination);
    void restoreImage();
    HRESULT getDC();
    void drawText(int32_t x, int32_t y, const char *text, COLORREF colour);
    HRESULT releaseDC();
    // Gives back this wrapper's reference to its DirectDraw surface and forgets it.
    void releaseSurface();

    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    BITMAPINFO *imageInfo;
    void *imageBits;
    RECT clipRect;
    RECT sourceRect;
    HDC dc;
    IDirectDrawSurface *surface;
    DDSURFACEDESC surfaceDesc;
    // Size in bytes of the imageBits block; drawing checks the image's rows fit into it.
    DWORD imageBitsSize;
};

// A surface description, cleared, with its size and the given flags and capabilities set.
DDSURFACEDESC surfaceDescription(DWORD flags, DWORD caps);

// Clips a blit of source placed at (x, y) to clip; x, y and source are changed in place.
void clipToRect(int32_t &x, int32_t &y, RECT &source, const RECT &clip);
