// Tests of the colour reduction: the transparent entry, visibility in 15-bit modes, and
// pictures with more colours than the table holds.
#include "quantizeCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// True if the colour keeps some brightness when cut to 5 bits a channel.
bool survives15Bit(const PaletteEntry &entry) {
    return (entry.red >> 3) || (entry.green >> 3) || (entry.blue >> 3);
}

const PaletteEntry &colourOf(const IndexedImage &image, int x, int y) {
    return image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
}

} // namespace

TEST(Quantize, KeepsUncoveredPixelsTransparentAndEntryZeroBlack) {
    Canvas canvas(3, 1);
    canvas.at(0, 0) = Shade{200, 100, 50, 1};
    canvas.at(1, 0) = Shade{255, 255, 255, VisibleCoverage / 2};
    canvas.at(2, 0) = Shade{0, 0, 0, 0};

    const IndexedImage image = quantizeCanvas(canvas);

    EXPECT_EQ(0, image.palette[0].red + image.palette[0].green + image.palette[0].blue);
    EXPECT_NE(TransparentIndex, image.pixels[0]);
    EXPECT_EQ(TransparentIndex, image.pixels[1]);
    EXPECT_EQ(TransparentIndex, image.pixels[2]);
    EXPECT_EQ(200, colourOf(image, 0, 0).red);
    EXPECT_EQ(100, colourOf(image, 0, 0).green);
    EXPECT_EQ(50, colourOf(image, 0, 0).blue);
}

TEST(Quantize, BrightensCoveredPixelsThatWouldTurnBlackAtFifteenBits) {
    const Shade darks[] = {{0, 0, 0, 1}, {7, 7, 7, 0.5}, {2, 0, 5, 1}, {0, 3, 0, 0.3}};
    Canvas canvas(static_cast<int>(std::size(darks)), 1);
    for (int x = 0; x < canvas.width; ++x)
        canvas.at(x, 0) = darks[x];

    const IndexedImage image = quantizeCanvas(canvas);

    for (int x = 0; x < canvas.width; ++x) {
        EXPECT_NE(TransparentIndex, image.pixels[static_cast<std::size_t>(x)]) << "pixel " << x;
        EXPECT_TRUE(survives15Bit(colourOf(image, x, 0))) << "pixel " << x;
    }
    // The hue of a dark colour is kept: blue stays the strongest channel.
    EXPECT_GT(colourOf(image, 2, 0).blue, colourOf(image, 2, 0).red);
}

TEST(Quantize, ReducesManyColoursToTheTableAndKeepsThemClose) {
    Canvas canvas(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            canvas.at(x, y) = Shade{x * 4.0, y * 4.0, 128, 1};

    const IndexedImage image = quantizeCanvas(canvas);

    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            ASSERT_NE(TransparentIndex, image.pixels[static_cast<std::size_t>(y * 64 + x)]);
            const PaletteEntry &entry = colourOf(image, x, y);
            worst = std::max({worst, std::abs(entry.red - x * 4), std::abs(entry.green - y * 4),
                              std::abs(entry.blue - 128)});
        }
    // 4096 colours in 255 entries: boxes of about 16 colours, none much longer than 8 steps of 4
    // on a side, so no colour lies more than 16 from its entry.
    EXPECT_LE(worst, 16);
}
