// ScreenCapture: what the screen shows in a rectangle, read back as 32-bit pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first

    uint32_t at(int x, int y) const { return pixels[y * width + x]; }
};

// Copies the screen's pixels inside rect (screen coordinates).
Capture captureScreen(const RECT &rect);

// True when two captures of rect taken 300 ms apart differ: the animation there runs.
bool pictureMoves(const RECT &rect);

// Draws text as the demo's surface does (default font, transparent background, white) on black.
Capture renderText(const char *text, int width, int height);

// Writes capture as a 32-bit bottom-up BMP, for a person to look at after a failure.
void saveBmp(const Capture &capture, const std::string &path);

// True where a pixel is (nearly) white.
inline bool isWhite(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) > 230 && ((pixel >> 8) & 0xFF) > 230 && (pixel & 0xFF) > 230;
}
