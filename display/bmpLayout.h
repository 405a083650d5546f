// The pieces of a BMP that Surface::loadBitmap reads, free of Windows, so the data-file tool can
// check images as the loader does.
#pragma once

#include <cstddef>
#include <cstdint>

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
