// IndexedImage: an 8-bit image with its 256-entry colour table, as a sprite is stored.
// Index 0 is the transparent colour: pure black, which the demo uses as its colour key.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<PaletteEntry, 256> palette{};
    // Row by row from the top, width bytes per row, no padding.
    std::vector<std::uint8_t> pixels;
};

// The index that marks a transparent pixel.
constexpr std::uint8_t TransparentIndex = 0;
