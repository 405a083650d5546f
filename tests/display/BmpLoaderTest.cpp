// Surface::loadBitmap on BMPs built in the test: every failure code at its step, the stream
// position, the blocks it holds, and that repeated loads never hold more than one of each.
#include <cstring>

#include <gtest/gtest.h>

#include "support/BmpImage.h"
#include "display/Surface.h"
#include "doubles/PlatformOverride.h"

namespace {

// Counts the movable blocks alive, forwarding to the real functions; can refuse a call.
struct GlobalCounter {
    int live = 0;
    int allocCalls = 0;
    int lockCalls = 0;
    int refuseAlloc = 0; // 1-based number of the GlobalAlloc call to refuse; 0 = none
    int refuseLock = 0;
    std::vector<SIZE_T> sizes; // of the blocks handed out, in order
    UINT flags = 0;
};
GlobalCounter counter;

HGLOBAL WINAPI countingAlloc(UINT flags, SIZE_T bytes) {
    if (++counter.allocCalls == counter.refuseAlloc)
        return nullptr;
    HGLOBAL block = realPlatformCalls.GlobalAlloc(flags, bytes);
    if (block) {
        ++counter.live;
        counter.sizes.push_back(bytes);
        counter.flags = flags;
    }
    return block;
}

LPVOID WINAPI countingLock(HGLOBAL block) {
    if (++counter.lockCalls == counter.refuseLock)
        return nullptr;
    return realPlatformCalls.GlobalLock(block);
}

HGLOBAL WINAPI countingFree(HGLOBAL block) {
    HGLOBAL left = realPlatformCalls.GlobalFree(block);
    if (!left)
        --counter.live;
    return left;
}

class BmpLoader : public ::testing::Test {
  protected:
    BmpLoader() {
        counter = GlobalCounter();
        calls.set(&PlatformCalls::GlobalAlloc, countingAlloc);
        calls.set(&PlatformCalls::GlobalLock, countingLock);
        calls.set(&PlatformCalls::GlobalFree, countingFree);
    }
    ~BmpLoader() override {
        for (FILE *stream : streams)
            std::fclose(stream);
    }

    // A stream holding bytes (closed after the test), positioned past prefix filler bytes.
    FILE *stream(const std::vector<uint8_t> &bytes, size_t prefix = 0, size_t suffix = 0) {
        FILE *made = streamHolding(bytes, prefix, suffix);
        EXPECT_NE(nullptr, made);
        streams.push_back(made);
        return made;
    }

    PlatformOverride calls;
    std::vector<FILE *> streams;
    // A DirectDraw surface pointer the loader must forget without using.
    IDirectDrawSurface *const stale = reinterpret_cast<IDirectDrawSurface *>(0x7777);
};

TEST_F(BmpLoader, NullStreamIsFileNotFoundAndLeavesNoImage) {
    Surface sprite;
    sprite.surface = stale;
    sprite.width = 5;
    sprite.height = 6;
    EXPECT_EQ(RC_FILE_NOT_FOUND, sprite.loadBitmap(nullptr));
    EXPECT_EQ(nullptr, sprite.imageInfo);
    EXPECT_EQ(nullptr, sprite.imageBits);
    EXPECT_EQ(nullptr, sprite.surface);
    EXPECT_EQ(0, sprite.width);
    EXPECT_EQ(0, sprite.height);
    EXPECT_EQ(0, counter.live);
}

TEST_F(BmpLoader, EachFailingStepReturnsItsCodeAndKeepsWhatItHad) {
    const std::vector<uint8_t> good = buildBmp(BmpShape());
    const size_t pixels = good.size() - 1078;
    struct Case {
        const char *name;
        std::vector<uint8_t> bytes;
        ResultCode expected;
        bool infoBlock;
        bool bitsBlock;
    };
    std::vector<uint8_t> notBmp = good;
    notBmp[1] = 'A';
    std::vector<uint8_t> emptyPixels = good;
    putWord(emptyPixels, BF_SIZE_AT, 1078);
    std::vector<uint8_t> wrapped = good;
    putWord(wrapped, BF_SIZE_AT, 1000);
    const Case cases[] = {
        {"empty stream", {}, RC_HEADER_INVALID, false, false},
        {"13 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 13), RC_HEADER_INVALID,
         false, false},
        {"not BM", notBmp, RC_NOT_BMP, false, false},
        {"13 bytes that are not BM", std::vector<uint8_t>(13, 'X'), RC_HEADER_INVALID, false,
         false},
        {"file header only", std::vector<uint8_t>(good.begin(), good.begin() + 14), RC_BMP_BAD,
         false, false},
        {"39 bytes of info header", std::vector<uint8_t>(good.begin(), good.begin() + 53),
         RC_BMP_BAD, false, false},
        {"no colour table", std::vector<uint8_t>(good.begin(), good.begin() + 54),
         RC_PALETTE_LOAD_FAILED, true, false},
        {"1023 bytes of colour table", std::vector<uint8_t>(good.begin(), good.begin() + 1077),
         RC_PALETTE_LOAD_FAILED, true, false},
        {"bfSize equal to bfOffBits", emptyPixels, RC_BITMAP_ALLOC_FAILED, true, false},
        {"bfSize below bfOffBits", wrapped, RC_BITMAP_ALLOC_FAILED, true, false},
        {"one pixel byte short",
         std::vector<uint8_t>(good.begin(), good.begin() + 1078 + pixels - 1), RC_BAD_IMAGE_DATA,
         true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Surface sprite;
        sprite.surface = stale;
        EXPECT_EQ(c.expected, sprite.loadBitmap(stream(c.bytes)));
        EXPECT_EQ(c.infoBlock, sprite.imageInfo != nullptr);
        EXPECT_EQ(c.bitsBlock, sprite.imageBits != nullptr);
        EXPECT_EQ(0, sprite.width);
        EXPECT_EQ(0, sprite.height);
        EXPECT_EQ(nullptr, sprite.surface);
        EXPECT_EQ(int(c.infoBlock) + int(c.bitsBlock), counter.live);
        sprite.loadBitmap(nullptr); // gives the blocks back
        EXPECT_EQ(0, counter.live);
    }
}

TEST_F(BmpLoader, NotBmpIsFoundAfterTheWholeFileHeaderWasRead) {
    std::vector<uint8_t> bytes = buildBmp(BmpShape());
    bytes[0] = 'M';
    bytes[1] = 'B';
    FILE *file = stream(bytes, 10);
    Surface sprite;
    EXPECT_EQ(RC_NOT_BMP, sprite.loadBitmap(file));
    EXPECT_EQ(10 + 14, std::ftell(file));
}

TEST_F(BmpLoader, SuccessHoldsHeaderColourTableAndPixelsAndStopsPastThePixels) {
    BmpShape shape;
    shape.width = 5; // rows padded to 8 bytes
    shape.height = 3;
    const std::vector<uint8_t> bytes = buildBmp(shape);
    FILE *file = stream(bytes, 100, 50);
    Surface sprite;
    sprite.surface = stale;

    ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(file));

    EXPECT_EQ(long(100 + bytes.size()), std::ftell(file)) << "P + bfSize";
    EXPECT_EQ(5, sprite.width);
    EXPECT_EQ(3, sprite.height);
    EXPECT_EQ(nullptr, sprite.surface);
    ASSERT_NE(nullptr, sprite.imageInfo);
    EXPECT_EQ(0, std::memcmp(sprite.imageInfo, bytes.data() + 14, 1064));
    ASSERT_NE(nullptr, sprite.imageBits);
    EXPECT_EQ(0, std::memcmp(sprite.imageBits, bytes.data() + 1078, 24));
    EXPECT_EQ(DWORD(24), sprite.imageBitsSize);
    EXPECT_EQ(UINT(GMEM_MOVEABLE), counter.flags);
    EXPECT_EQ((std::vector<SIZE_T>{1064, 24}), counter.sizes);
}

TEST_F(BmpLoader, GapAfterTheColourTableIsSkippedForThePixelsOnly) {
    BmpShape shape;
    shape.gap = 20;
    const std::vector<uint8_t> bytes = buildBmp(shape);
    FILE *file = stream(bytes, 7);
    Surface sprite;
    ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(file));
    const uint8_t *colours = reinterpret_cast<const uint8_t *>(sprite.imageInfo->bmiColors);
    EXPECT_EQ(0, std::memcmp(colours, bytes.data() + 54, 1024));
    EXPECT_EQ(0, std::memcmp(sprite.imageBits, bytes.data() + 1078 + 20, 8));
    EXPECT_EQ(0xEE, bytes[1078]) << "the gap itself is not part of the pixels";
    EXPECT_EQ(long(7 + bytes.size()), std::ftell(file));
}

TEST_F(BmpLoader, PixelBlockSizeComesFromTheFileHeaderAlone) {
    BmpShape shape;
    shape.sizeImage = 4096; // biSizeImage lies
    std::vector<uint8_t> bytes = buildBmp(shape);
    Surface sprite;
    ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream(bytes)));
    EXPECT_EQ(SIZE_T(8), counter.sizes.back());
    EXPECT_EQ(DWORD(8), sprite.imageBitsSize);
}

TEST_F(BmpLoader, TopDownImageKeepsItsNegativeHeight) {
    BmpShape shape;
    shape.height = -2;
    Surface sprite;
    ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream(buildBmp(shape))));
    EXPECT_EQ(-2, sprite.height);
}

// The pixels' place, P + bfOffBits, must fit the long that fseek takes (32 bits on Windows).
// Wrapped, the seek failed unnoticed and the pixels came from wherever the stream stood: in a
// stream longer than its buffer, from the bytes behind the buffered ones.
TEST_F(BmpLoader, PixelPlaceASeekCannotReachIsBadImageData) {
    struct Case {
        uint32_t offBits;
        size_t prefix;
    };
    const Case cases[] = {{0x80000000u, 0}, {0xFFFFFFF0u, 0}, {0x7FFFFFFCu, 7}};
    for (const Case &c : cases) {
        std::vector<uint8_t> bytes = buildBmp(BmpShape());
        putWord(bytes, BF_OFF_BITS_AT, c.offBits);
        putWord(bytes, BF_SIZE_AT, c.offBits + 8);
        Surface sprite;
        ResultCode rc = sprite.loadBitmap(stream(bytes, c.prefix, 16384));
        EXPECT_EQ(RC_BAD_IMAGE_DATA, rc)
            << std::hex << "bfOffBits 0x" << c.offBits << " after " << c.prefix << ": 0x" << rc;
        EXPECT_EQ(0, sprite.width);
    }
}

// Pixels that cannot all lie in what is left of the stream are refused before their block is
// asked for: a bfSize near 4 GB was granted on x64 before the read failed.
TEST_F(BmpLoader, PixelsPastTheEndOfTheStreamAreRefusedWithoutABlock) {
    struct Case {
        const char *name;
        uint32_t bfSize;
    };
    const Case cases[] = {
        {"bfSize near 4 GB", 0xFFFFFF00u},
        {"bfSize of 2 GB", 0x80000000u},
        {"one byte past the end", 1078 + 8 + 1},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> bytes = buildBmp(BmpShape());
        putWord(bytes, BF_SIZE_AT, c.bfSize);
        int allocsBefore = counter.allocCalls;
        Surface sprite;
        ResultCode rc = sprite.loadBitmap(stream(bytes));
        EXPECT_EQ(RC_BAD_IMAGE_DATA, rc) << c.name << std::hex << ": 0x" << rc;
        EXPECT_EQ(1, counter.allocCalls - allocsBefore) << c.name << ": only the info block";
        EXPECT_EQ(nullptr, sprite.imageBits) << c.name;
        sprite.loadBitmap(nullptr);
    }
}

TEST_F(BmpLoader, RefusedMemoryGivesTheBlocksCodes) {
    struct Case {
        int refuseAlloc;
        int refuseLock;
        ResultCode expected;
    };
    const Case cases[] = {
        {1, 0, RC_BMP_INFO_ALLOC_FAILED},
        {0, 1, RC_BMP_INFO_ALLOC_FAILED},
        {2, 0, RC_BITMAP_ALLOC_FAILED},
        {0, 2, RC_BITMAP_ALLOC_FAILED},
    };
    const std::vector<uint8_t> bytes = buildBmp(BmpShape());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        counter = GlobalCounter();
        counter.refuseAlloc = c.refuseAlloc;
        counter.refuseLock = c.refuseLock;
        Surface sprite;
        EXPECT_EQ(c.expected, sprite.loadBitmap(stream(bytes)));
        EXPECT_EQ(c.expected == RC_BITMAP_ALLOC_FAILED ? 1 : 0, counter.live)
            << "a block that could not be locked is not kept";
        sprite.loadBitmap(nullptr);
        EXPECT_EQ(0, counter.live);
    }
}

TEST_F(BmpLoader, RepeatedLoadsHoldExactlyOneBlockOfEach) {
    const std::vector<uint8_t> good = buildBmp(BmpShape());
    const std::vector<uint8_t> cut(good.begin(), good.begin() + good.size() - 1);
    Surface sprite;
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream(good)));
        EXPECT_EQ(2, counter.live);
        ASSERT_EQ(RC_BAD_IMAGE_DATA, sprite.loadBitmap(stream(cut)));
        EXPECT_EQ(1, counter.live);
    }
    ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream(good)));
    EXPECT_EQ(2, counter.live);
}

} // namespace
