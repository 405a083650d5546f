// The three sprite images, read with code of our own: the BMP form the demo's loader expects,
// a pure black entry 0 for the transparent colour key, and no visible pixel that the screen
// would show as black, at 32, 24, 16 or 15 bits per pixel.
#include "assetPath.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct ExpectedSprite {
    const char *name;
    std::int32_t width;
    std::int32_t height;
};

const ExpectedSprite Sprites[] = {
    {"ball.bmp", 32, 32}, {"star.bmp", 16, 16}, {"logo.bmp", 300, 100}};

constexpr std::size_t ColourTable = 54;
constexpr std::size_t PixelData = 1078;

// True if the colour-table entry stays non-black when cut to 5 bits a channel (15-bit mode).
bool visibleAtFifteenBits(const Bytes &bmp, int index) {
    const std::size_t entry = ColourTable + 4 * static_cast<std::size_t>(index);
    return (bmp[entry] >> 3) || (bmp[entry + 1] >> 3) || (bmp[entry + 2] >> 3);
}

class SpriteImage : public ::testing::TestWithParam<ExpectedSprite> {
  protected:
    void SetUp() override {
        bmp = readFile<Bytes>(assetPath(GetParam().name));
        ASSERT_GE(bmp.size(), PixelData) << GetParam().name << " is missing or too short";
    }
    std::uint32_t stride() const {
        return (static_cast<std::uint32_t>(GetParam().width) + 3) & ~3u;
    }
    std::uint8_t pixel(std::int32_t x, std::int32_t rowFromBottom) const {
        return bmp[PixelData + static_cast<std::size_t>(rowFromBottom) * stride() +
                   static_cast<std::size_t>(x)];
    }
    Bytes bmp;
};

} // namespace

TEST_P(SpriteImage, IsAnUncompressedBottomUpEightBitBmpWithAFullColourTable) {
    const ExpectedSprite &sprite = GetParam();
    const std::uint32_t pixelBytes = stride() * static_cast<std::uint32_t>(sprite.height);
    EXPECT_EQ('B', bmp[0]);
    EXPECT_EQ('M', bmp[1]);
    EXPECT_EQ(PixelData + pixelBytes, littleEndianAt(bmp, 2)) << "bfSize";
    EXPECT_EQ(bmp.size(), littleEndianAt(bmp, 2)) << "bfSize against the file's size";
    EXPECT_EQ(PixelData, littleEndianAt(bmp, 10)) << "bfOffBits";
    EXPECT_EQ(40u, littleEndianAt(bmp, 14)) << "biSize";
    EXPECT_EQ(static_cast<std::uint32_t>(sprite.width), littleEndianAt(bmp, 18)) << "biWidth";
    EXPECT_EQ(static_cast<std::uint32_t>(sprite.height), littleEndianAt(bmp, 22)) << "biHeight";
    EXPECT_EQ(1u, littleEndianAt(bmp, 26, 2)) << "biPlanes";
    EXPECT_EQ(8u, littleEndianAt(bmp, 28, 2)) << "biBitCount";
    EXPECT_EQ(0u, littleEndianAt(bmp, 30)) << "biCompression";
    const std::uint32_t coloursUsed = littleEndianAt(bmp, 46);
    EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 256) << "biClrUsed " << coloursUsed;
    EXPECT_EQ(0u, sprite.width % 4) << "rows without padding blit fastest";
}

TEST_P(SpriteImage, KeepsEntryZeroPureBlackForTheColourKey) {
    EXPECT_EQ(0u, littleEndianAt(bmp, ColourTable))
        << std::hex << "entry 0 is 0x" << littleEndianAt(bmp, 54);
}

TEST_P(SpriteImage, ShowsNoVisiblePixelAsBlack) {
    const ExpectedSprite &sprite = GetParam();
    int visible = 0;
    int transparent = 0;
    for (std::int32_t row = 0; row < sprite.height; ++row)
        for (std::int32_t x = 0; x < sprite.width; ++x) {
            const std::uint8_t index = pixel(x, row);
            if (index == 0) {
                ++transparent;
                continue;
            }
            ++visible;
            ASSERT_TRUE(visibleAtFifteenBits(bmp, index))
                << "pixel (" << x << ", " << sprite.height - 1 - row << " from the top) uses entry "
                << int(index) << ", which turns black on the screen";
        }
    // A sprite with nothing to see, or with no transparent corners, would also be a mistake.
    EXPECT_GT(visible, sprite.width * sprite.height / 10);
    EXPECT_GT(transparent, 0);
}

TEST_P(SpriteImage, IsTransparentAtItsFourCorners) {
    const ExpectedSprite &sprite = GetParam();
    EXPECT_EQ(0, pixel(0, 0));
    EXPECT_EQ(0, pixel(sprite.width - 1, 0));
    EXPECT_EQ(0, pixel(0, sprite.height - 1));
    EXPECT_EQ(0, pixel(sprite.width - 1, sprite.height - 1));
}

INSTANTIATE_TEST_SUITE_P(Assets, SpriteImage, ::testing::ValuesIn(Sprites),
                         [](const ::testing::TestParamInfo<ExpectedSprite> &info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });
