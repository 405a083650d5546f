// The checks of a BMP that the loader and the drawing make, and the pieces of a BMP they read;
// free of Windows, so the data-file tool makes the very same checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/ResultCode.h"

constexpr size_t BMP_FILE_HEADER_SIZE = 14;
constexpr size_t BMP_INFO_HEADER_SIZE = 40;
constexpr size_t BMP_COLOUR_TABLE_SIZE = 256 * 4;
// The info block: the info header and a full 256-entry colour table, 1064 bytes.
constexpr size_t BMP_INFO_BLOCK_SIZE = BMP_INFO_HEADER_SIZE + BMP_COLOUR_TABLE_SIZE;
constexpr uint32_t BMP_BI_RGB = 0;
constexpr uint32_t BMP_BI_BITFIELDS = 3;

// BITMAPINFOHEADER as stored, field for field.
#pragma pack(push, 1)
struct BmpInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
#pragma pack(pop)
static_assert(sizeof(BmpInfoHeader) == BMP_INFO_HEADER_SIZE, "the stored info header");

// The check Surface::loadBitmap makes before it asks for the pixel block of a BMP that begins
// at position start of stream: RC_BITMAP_ALLOC_FAILED when bfSize leaves no pixel bytes;
// RC_BAD_IMAGE_DATA when start + bfOffBits is no position fseek can take or the pixels run
// past the end of the stream; RC_SUCCESS otherwise. The stream is left where it was.
ResultCode checkPixelPlace(FILE *stream, int64_t start, uint32_t bfSize, uint32_t bfOffBits);

// True when the header plus the colour table GDI will read fit in the 1064-byte info block and
// the pixel rows the header describes fit in the bitsSize bytes of the pixel block.
bool imageFitsBlocks(const BmpInfoHeader &header, uint32_t bitsSize);
