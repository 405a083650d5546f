// BmpImage: the one builder of BMP files in the tests (8-bit, 256-entry colour table, as the
// demo's loader expects), and streams that hold them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "TestFiles.h"

struct BmpShape {
    int32_t width = 4;
    int32_t height = 2;
    uint32_t gap = 0;       // bytes between the colour table and the pixels
    uint32_t sizeImage = 0; // what biSizeImage claims
    uint8_t firstByte = 'B';
    uint8_t secondByte = 'M';
};

// Offsets of the fields the loader reads.
constexpr size_t BF_SIZE_AT = 2;
constexpr size_t BF_OFF_BITS_AT = 10;

// Bytes per stored row of an 8-bit image, padded to 4 bytes.
inline uint32_t bmpRowBytes(int32_t width) {
    return (static_cast<uint32_t>(width) + 3u) & ~3u;
}

// The bytes of an 8-bit BMP: colour i is (i, 255 - i, i / 2), pixel (x, y) of the stored row
// order holds (x + 16 * y) & 0xFF, gap bytes are 0xEE.
inline Bytes buildBmp(const BmpShape &shape) {
    uint32_t rows = static_cast<uint32_t>(shape.height < 0 ? -shape.height : shape.height);
    uint32_t pixelBytes = bmpRowBytes(shape.width) * rows;
    uint32_t offBits = 14 + 40 + 1024 + shape.gap;
    Bytes bytes;
    bytes.push_back(shape.firstByte);
    bytes.push_back(shape.secondByte);
    appendLittleEndian(bytes, offBits + pixelBytes, 4); // bfSize
    appendLittleEndian(bytes, 0, 4);                    // reserved words
    appendLittleEndian(bytes, offBits, 4);
    appendLittleEndian(bytes, 40, 4); // biSize
    appendLittleEndian(bytes, static_cast<uint32_t>(shape.width), 4);
    appendLittleEndian(bytes, static_cast<uint32_t>(shape.height), 4);
    appendLittleEndian(bytes, 1, 2); // planes
    appendLittleEndian(bytes, 8, 2); // bits per pixel
    appendLittleEndian(bytes, 0, 4); // BI_RGB
    appendLittleEndian(bytes, shape.sizeImage, 4);
    appendLittleEndian(bytes, 2835, 4);
    appendLittleEndian(bytes, 2835, 4);
    appendLittleEndian(bytes, 256, 4); // colours used
    appendLittleEndian(bytes, 0, 4);
    for (uint32_t i = 0; i < 256; ++i) {
        bytes.push_back(static_cast<uint8_t>(i / 2)); // blue
        bytes.push_back(static_cast<uint8_t>(255 - i));
        bytes.push_back(static_cast<uint8_t>(i)); // red
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), shape.gap, 0xEE);
    for (uint32_t y = 0; y < rows; ++y) {
        for (uint32_t x = 0; x < bmpRowBytes(shape.width); ++x) {
            bytes.push_back(static_cast<uint8_t>((x + 16 * y) & 0xFF));
        }
    }
    return bytes;
}

// A temporary stream holding prefix bytes of 0xAA, then bytes, then suffix bytes of 0xBB,
// positioned at the first byte of bytes. Closed by the caller.
inline FILE *streamHolding(const Bytes &bytes, size_t prefix = 0, size_t suffix = 0) {
    FILE *stream = std::tmpfile();
    if (!stream) {
        return nullptr;
    }
    Bytes before(prefix, 0xAA), after(suffix, 0xBB);
    std::fwrite(before.data(), 1, before.size(), stream);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fwrite(after.data(), 1, after.size(), stream);
    std::fseek(stream, static_cast<long>(prefix), SEEK_SET);
    return stream;
}
