// TestBitmap: 8-bit BMP files built in the tests, and streams that hold them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct BmpShape {
    int32_t width = 4;
    int32_t height = 2;
    uint32_t gap = 0;       // bytes between the colour table and the pixels
    uint32_t sizeImage = 0; // what biSizeImage claims
    uint8_t firstByte = 'B';
    uint8_t secondByte = 'M';
};

// The bytes of an 8-bit BMP: colour i is (i, 255 - i, i / 2), pixel (x, y) of the stored row
// order holds (x + 16 * y) & 0xFF, gap bytes are 0xEE.
std::vector<uint8_t> buildBmp(const BmpShape &shape);

// Bytes per stored row of an 8-bit image, padded to 4 bytes.
uint32_t bmpRowBytes(int32_t width);

// Offsets of the fields the loader reads.
constexpr size_t BF_SIZE_AT = 2;
constexpr size_t BF_OFF_BITS_AT = 10;

// Overwrites the 32-bit little-endian value at offset.
void putU32(std::vector<uint8_t> &bytes, size_t offset, uint32_t value);

// A temporary stream holding prefix bytes of 0xAA, then bytes, then suffix bytes of 0xBB,
// positioned at the first byte of bytes. Closed by the caller.
FILE *streamHolding(const std::vector<uint8_t> &bytes, size_t prefix = 0, size_t suffix = 0);
