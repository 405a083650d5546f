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

// How many pixels inside area satisfy the colour test, which takes red, green and blue.
template <typename ColourTest>
int countPixels(const Capture &capture, const RECT &area, ColourTest test) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            uint32_t pixel = capture.at(x, y);
            count += test((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        }
    }
    return count;
}

// The balls are deep blue spheres; the stars are white or pale blue, so red tells them apart.
inline bool ballBlue(int red, int, int blue) {
    return blue > 120 && red < 90;
}

// True where a pixel is (nearly) white.
inline bool isWhite(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) > 230 && ((pixel >> 8) & 0xFF) > 230 && (pixel & 0xFF) > 230;
}
