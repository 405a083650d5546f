#include "encodeBmp.h"

std::uint32_t bmpRowStride(int width) {
    return (static_cast<std::uint32_t>(width) + 3u) & ~3u;
}

// The 14-byte BITMAPFILEHEADER.
static void appendFileHeader(Bytes &out, std::uint32_t fileSize) {
    out.push_back('B');
    out.push_back('M');
    appendLittle32(out, fileSize);
    appendLittle16(out, 0);
    appendLittle16(out, 0);
    appendLittle32(out, BmpPixelOffset);
}

// The 40-byte BITMAPINFOHEADER of an uncompressed bottom-up 8-bit image.
static void appendInfoHeader(Bytes &out, const IndexedImage &image, std::uint32_t pixelBytes) {
    appendLittle32(out, 40);
    appendLittle32(out, static_cast<std::uint32_t>(image.width));
    appendLittle32(out, static_cast<std::uint32_t>(image.height));
    appendLittle16(out, 1);          // planes
    appendLittle16(out, 8);          // bits per pixel
    appendLittle32(out, 0);          // BI_RGB
    appendLittle32(out, pixelBytes); // image size
    appendLittle32(out, 2835);       // 72 dots per inch, horizontally
    appendLittle32(out, 2835);       // and vertically
    appendLittle32(out, 256);        // colours used
    appendLittle32(out, 0);          // all colours important
}

// The 256 RGBQUAD entries: blue, green, red, reserved.
static void appendColourTable(Bytes &out, const IndexedImage &image) {
    for (const PaletteEntry &entry : image.palette) {
        out.push_back(entry.blue);
        out.push_back(entry.green);
        out.push_back(entry.red);
        out.push_back(0);
    }
}

Bytes encodeBmp(const IndexedImage &image) {
    const std::uint32_t stride = bmpRowStride(image.width);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    Bytes out;
    out.reserve(BmpPixelOffset + pixelBytes);
    appendFileHeader(out, BmpPixelOffset + pixelBytes);
    appendInfoHeader(out, image, pixelBytes);
    appendColourTable(out, image);
    for (int row = image.height - 1; row >= 0; --row) {
        const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(row) * image.width;
        out.insert(out.end(), first, first + image.width);
        out.resize(out.size() + (stride - static_cast<std::uint32_t>(image.width)), 0);
    }
    return out;
}
