// encodeBmp: turns an IndexedImage into the bytes of an uncompressed 8-bit BMP file, in the
// classic Windows 3 form that the demo's loader reads.
#pragma once

#include "ByteAppend.h"
#include "IndexedImage.h"

// Offset of the pixel data: file header, info header and 256 colour-table entries.
constexpr std::uint32_t BmpPixelOffset = 14 + 40 + 256 * 4;

// Bytes per stored row of an 8-bit image: rows are padded to a multiple of 4 bytes.
std::uint32_t bmpRowStride(int width);

// The whole BMP file: bottom-up rows, BITMAPINFOHEADER, full colour table.
Bytes encodeBmp(const IndexedImage &image);
