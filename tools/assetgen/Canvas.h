// Canvas: a picture being drawn, in full colour, before it is reduced to 256 colours.
// Colours are already darkened by their coverage, as if blended over the black screen, so a
// half-covered edge pixel holds half its colour.
#pragma once

#include <vector>

struct Shade {
    double red = 0;
    double green = 0;
    double blue = 0;
    // Share of the pixel covered by the drawing, 0 to 1.
    double coverage = 0;
};

struct Canvas {
    int width = 0;
    int height = 0;
    // Row by row from the top.
    std::vector<Shade> pixels;

    Canvas(int canvasWidth, int canvasHeight)
        : width(canvasWidth), height(canvasHeight),
          pixels(static_cast<std::size_t>(canvasWidth) * static_cast<std::size_t>(canvasHeight)) {}

    Shade &at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Shade &at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
