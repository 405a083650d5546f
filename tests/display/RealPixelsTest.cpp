// Real DirectDraw under Wine on a real window: a windowed Display, a loaded and colour-keyed
// sprite blitted over every screen edge, the fill colour and text, checked pixel by pixel.
#include <cstring>

#include "DisplayTestBed.h"
#include "support/BmpImage.h"

namespace {

constexpr DWORD SENTINEL = 0x00123456;
constexpr DWORD RED = 0x00FF0000;
constexpr DWORD BLUE = 0x000000FF;
constexpr DWORD WHITE = 0x00FFFFFF;
constexpr int SPRITE_SIZE = 8;

// An 8 x 8 sprite: a ring of colour 0 (black, the colour key) around 6 x 6 of colour 1 (red).
std::vector<uint8_t> ringSprite() {
    BmpShape shape;
    shape.width = SPRITE_SIZE;
    shape.height = SPRITE_SIZE;
    std::vector<uint8_t> bytes = buildBmp(shape);
    std::memset(bytes.data() + 54, 0, 1024);
    bytes[54 + 4 + 2] = 0xFF; // colour 1: red
    for (int y = 0; y < SPRITE_SIZE; ++y)
        for (int x = 0; x < SPRITE_SIZE; ++x) {
            bool ring = x == 0 || y == 0 || x == SPRITE_SIZE - 1 || y == SPRITE_SIZE - 1;
            bytes[1078 + y * SPRITE_SIZE + x] = ring ? 0 : 1;
        }
    return bytes;
}

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A copy of a 32-bit surface's pixels.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> values;
    DWORD at(int x, int y) const { return values[size_t(y) * size_t(width) + size_t(x)]; }
    int count(DWORD value) const {
        int found = 0;
        for (DWORD v : values)
            found += v == value ? 1 : 0;
        return found;
    }
};

class RealPixels : public ::testing::Test {
  protected:
    void SetUp() override {
        framePacingEnabled = false;
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = plainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Zorv2DisplayTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "Zorv2DisplayTest", "display test", WS_POPUP | WS_VISIBLE, 0, 0,
                                 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, window);
        ASSERT_EQ(RC_SUCCESS, display.setWindowed(window, 640, 480));
        if (ScreenBitsPerPixel != 32)
            GTEST_SKIP() << "needs a 32-bit desktop, have " << ScreenBitsPerPixel;
        FILE *stream = streamHolding(ringSprite());
        ASSERT_NE(nullptr, stream);
        ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream));
        std::fclose(stream);
        ASSERT_EQ(RC_SUCCESS, sprite.create(MEMORY_SYSTEM));
        HRESULT keyed = sprite.setColorKey(0);
        ASSERT_EQ(DD_OK, keyed) << hex(keyed);
        sprite.drawImage(0, 0);
        HRESULT filled = display.backBuffer->fill(SENTINEL);
        ASSERT_EQ(DD_OK, filled) << hex(filled);
    }

    void TearDown() override {
        display.release();
        if (window)
            DestroyWindow(window);
        framePacingEnabled = true;
    }

    // Reads the back buffer through Lock.
    Pixels backBufferPixels() {
        Pixels pixels;
        DDSURFACEDESC desc;
        std::memset(&desc, 0, sizeof(desc));
        desc.dwSize = sizeof(desc);
        IDirectDrawSurface *back = display.backBuffer->surface;
        HRESULT locked = back->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_READONLY, nullptr);
        EXPECT_EQ(DD_OK, locked) << hex(locked);
        if (locked != DD_OK)
            return pixels;
        EXPECT_EQ(32u, desc.ddpfPixelFormat.dwRGBBitCount);
        pixels.width = int(desc.dwWidth);
        pixels.height = int(desc.dwHeight);
        const uint8_t *row = static_cast<const uint8_t *>(desc.lpSurface);
        for (int y = 0; y < pixels.height; ++y, row += desc.lPitch) {
            const DWORD *values = reinterpret_cast<const DWORD *>(row);
            for (int x = 0; x < pixels.width; ++x)
                pixels.values.push_back(values[x] & 0x00FFFFFF);
        }
        back->Unlock(nullptr);
        return pixels;
    }

    HWND window = nullptr;
    Display display;
    Surface sprite;
};

TEST_F(RealPixels, FillColourCoversTheBackBuffer) {
    Pixels pixels = backBufferPixels();
    ASSERT_EQ(640, pixels.width);
    ASSERT_EQ(480, pixels.height);
    EXPECT_EQ(640 * 480, pixels.count(SENTINEL));
}

TEST_F(RealPixels, KeyedSpritesAreClippedAtEveryEdge) {
    struct Place {
        int x, y;
        int redPixels; // of the 6 x 6 red inside that lie on the screen
    };
    const Place places[] = {
        {100, 100, 36}, {-4, -4, 9},   {636, 476, 9}, {-4, 200, 18}, {636, 200, 18}, {300, -4, 18},
        {300, 476, 18}, {640, 300, 0}, {300, 480, 0}, {-8, 300, 0},  {300, -8, 0},
    };
    int expectedRed = 0;
    for (const Place &place : places) {
        sprite.blitTo(place.x, place.y, 1, display.backBuffer);
        expectedRed += place.redPixels;
    }
    Pixels pixels = backBufferPixels();
    ASSERT_EQ(640, pixels.width);

    EXPECT_EQ(expectedRed, pixels.count(RED)) << "clipped parts and empty blits drew nothing";
    EXPECT_EQ(640 * 480 - expectedRed, pixels.count(SENTINEL)) << "the keyed ring is see-through";
    EXPECT_EQ(SENTINEL, pixels.at(100, 100)) << "ring";
    EXPECT_EQ(RED, pixels.at(101, 101));
    EXPECT_EQ(RED, pixels.at(106, 106));
    EXPECT_EQ(SENTINEL, pixels.at(107, 107)) << "ring";
    EXPECT_EQ(RED, pixels.at(0, 0)) << "top-left corner shows the sprite's (4, 4)";
    EXPECT_EQ(SENTINEL, pixels.at(3, 3)) << "and its ring at (7, 7)";
    EXPECT_EQ(RED, pixels.at(639, 479)) << "bottom-right corner shows the sprite's (3, 3)";
    EXPECT_EQ(SENTINEL, pixels.at(636, 476)) << "and its ring at (0, 0)";
    EXPECT_EQ(RED, pixels.at(0, 201));
    EXPECT_EQ(RED, pixels.at(639, 201));
    EXPECT_EQ(RED, pixels.at(301, 0));
    EXPECT_EQ(RED, pixels.at(301, 479));
    EXPECT_EQ(0, sprite.sourceRect.left);
    EXPECT_EQ(SPRITE_SIZE, sprite.sourceRect.right);
}

TEST_F(RealPixels, TextIsDrawnWithoutPaintingItsBackground) {
    sprite.blitTo(10, 10, 1, display.backBuffer);
    ASSERT_EQ(DD_OK, display.backBuffer->getDC());
    display.backBuffer->drawText(10, 10, "Frame Rate = 60", RGB(0, 0, 255));
    ASSERT_EQ(DD_OK, display.backBuffer->releaseDC());
    Pixels pixels = backBufferPixels();
    ASSERT_EQ(640, pixels.width);

    EXPECT_GT(pixels.count(BLUE), 30) << "glyph pixels";
    EXPECT_EQ(0, pixels.count(WHITE)) << "the default white background was painted";
    EXPECT_GT(pixels.count(RED), 0) << "the sprite shows between the glyphs";
    int sentinelInBox = 0;
    for (int y = 10; y < 26; ++y)
        for (int x = 10; x < 120; ++x)
            sentinelInBox += pixels.at(x, y) == SENTINEL ? 1 : 0;
    EXPECT_GT(sentinelInBox, 0);
    EXPECT_EQ(SENTINEL, pixels.at(639, 479));
}

TEST_F(RealPixels, PresentCopiesIntoTheWindow) {
    display.present(1);
    display.present(0);
    Pixels pixels = backBufferPixels();
    EXPECT_EQ(640 * 480, pixels.count(SENTINEL)) << "presenting leaves the back buffer as it was";
}

} // namespace
