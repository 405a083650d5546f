// RgbImage: a picture of 0x00RRGGBB pixels, as the tests read it off a surface, and its 24-bit
// BMP file, which any viewer opens: written for a person to look at, read back to compare with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TestFiles.h"

struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // rows from the top, 0x00RRGGBB

    uint32_t at(int32_t x, int32_t y) const {
        return pixels[size_t(y) * size_t(width) + size_t(x)];
    }
};

// Offsets and sizes of the 24-bit BMP's headers.
constexpr uint32_t RGB_BMP_HEADERS = 14 + 40;
constexpr size_t RGB_BMP_WIDTH_AT = 18;
constexpr size_t RGB_BMP_HEIGHT_AT = 22;
constexpr size_t RGB_BMP_BITS_AT = 28;
constexpr size_t RGB_BMP_COMPRESSION_AT = 30;

// Bytes per stored row of a 24-bit image, padded to 4 bytes.
inline uint32_t rgbBmpRowBytes(int32_t width) {
    return (static_cast<uint32_t>(width) * 3u + 3u) & ~3u;
}

// Writes image as an uncompressed, bottom-up 24-bit BMP; false when it cannot.
inline bool writeRgbBmp(const std::string &path, const RgbImage &image) {
    uint32_t rowBytes = rgbBmpRowBytes(image.width);
    uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    Bytes bytes = {'B', 'M'};
    appendLittleEndian(bytes, RGB_BMP_HEADERS + pixelBytes, 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, RGB_BMP_HEADERS, 4);
    appendLittleEndian(bytes, 40, 4);
    appendLittleEndian(bytes, static_cast<uint32_t>(image.width), 4);
    appendLittleEndian(bytes, static_cast<uint32_t>(image.height), 4);
    appendLittleEndian(bytes, 1, 2);  // planes
    appendLittleEndian(bytes, 24, 2); // bits per pixel
    appendLittleEndian(bytes, 0, 4);  // BI_RGB
    appendLittleEndian(bytes, pixelBytes, 4);
    for (int i = 0; i < 4; ++i) {
        appendLittleEndian(bytes, 0, 4); // resolution and colours: none said
    }
    for (int32_t y = image.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < image.width; ++x) {
            appendLittleEndian(bytes, image.at(x, y), 3); // blue, green, red
        }
        bytes.resize(bytes.size() + rowBytes - 3u * static_cast<uint32_t>(image.width), 0);
    }
    return writeFile(path, bytes);
}

// Reads an uncompressed, bottom-up 24-bit BMP; false, with image empty, when the file is missing
// or of another form.
inline bool readRgbBmp(const std::string &path, RgbImage &image) {
    image = RgbImage{};
    Bytes bytes = readFile<Bytes>(path);
    if (bytes.size() < RGB_BMP_HEADERS || bytes[0] != 'B' || bytes[1] != 'M' ||
        littleEndianAt(bytes, RGB_BMP_BITS_AT, 2) != 24 ||
        littleEndianAt(bytes, RGB_BMP_COMPRESSION_AT) != 0) {
        return false;
    }
    int32_t width = static_cast<int32_t>(littleEndianAt(bytes, RGB_BMP_WIDTH_AT));
    int32_t height = static_cast<int32_t>(littleEndianAt(bytes, RGB_BMP_HEIGHT_AT));
    uint32_t offBits = littleEndianAt(bytes, 10);
    uint64_t rowBytes = rgbBmpRowBytes(width);
    if (width <= 0 || height <= 0 || offBits + rowBytes * uint64_t(height) > bytes.size()) {
        return false;
    }
    image.width = width;
    image.height = height;
    image.pixels.resize(size_t(width) * size_t(height));
    for (int32_t y = 0; y < height; ++y) {
        size_t at = offBits + size_t(height - 1 - y) * rowBytes;
        for (int32_t x = 0; x < width; ++x, at += 3) {
            image.pixels[size_t(y) * size_t(width) + size_t(x)] = littleEndianAt(bytes, at, 3);
        }
    }
    return true;
}
