// Building BMP files and streams for the loader and drawing tests.
#include "TestBitmap.h"

namespace {

// Appends value as little-endian bytes of the given width.
void append(std::vector<uint8_t> &bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

uint32_t bmpRowBytes(int32_t width) {
    return (static_cast<uint32_t>(width) + 3u) & ~3u;
}

void putU32(std::vector<uint8_t> &bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> buildBmp(const BmpShape &shape) {
    uint32_t rows = static_cast<uint32_t>(shape.height < 0 ? -shape.height : shape.height);
    uint32_t pixelBytes = bmpRowBytes(shape.width) * rows;
    uint32_t offBits = 14 + 40 + 1024 + shape.gap;
    std::vector<uint8_t> bytes;
    bytes.push_back(shape.firstByte);
    bytes.push_back(shape.secondByte);
    append(bytes, offBits + pixelBytes, 4); // bfSize
    append(bytes, 0, 4);                    // reserved words
    append(bytes, offBits, 4);
    append(bytes, 40, 4); // biSize
    append(bytes, static_cast<uint32_t>(shape.width), 4);
    append(bytes, static_cast<uint32_t>(shape.height), 4);
    append(bytes, 1, 2); // planes
    append(bytes, 8, 2); // bits per pixel
    append(bytes, 0, 4); // BI_RGB
    append(bytes, shape.sizeImage, 4);
    append(bytes, 2835, 4);
    append(bytes, 2835, 4);
    append(bytes, 256, 4); // colours used
    append(bytes, 0, 4);
    for (uint32_t i = 0; i < 256; ++i) {
        bytes.push_back(static_cast<uint8_t>(i / 2)); // blue
        bytes.push_back(static_cast<uint8_t>(255 - i));
        bytes.push_back(static_cast<uint8_t>(i)); // red
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), shape.gap, 0xEE);
    for (uint32_t y = 0; y < rows; ++y)
        for (uint32_t x = 0; x < bmpRowBytes(shape.width); ++x)
            bytes.push_back(static_cast<uint8_t>((x + 16 * y) & 0xFF));
    return bytes;
}

FILE *streamHolding(const std::vector<uint8_t> &bytes, size_t prefix, size_t suffix) {
    FILE *stream = std::tmpfile();
    if (!stream)
        return nullptr;
    std::vector<uint8_t> before(prefix, 0xAA), after(suffix, 0xBB);
    std::fwrite(before.data(), 1, before.size(), stream);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fwrite(after.data(), 1, after.size(), stream);
    std::fseek(stream, static_cast<long>(prefix), SEEK_SET);
    return stream;
}
