// The BMP loader behind Surface::loadBitmap: the sizes of the pieces of a BMP it reads, and the
// bounds check that keeps a malformed image's header from sending GDI past its blocks.
#pragma once

#include <cstddef>

#include <windows.h>

constexpr size_t BMP_FILE_HEADER_SIZE = 14;
constexpr size_t BMP_INFO_HEADER_SIZE = 40;
constexpr size_t BMP_COLOUR_TABLE_SIZE = 256 * sizeof(RGBQUAD);
// The info block: the info header and a full 256-entry colour table, 1064 bytes.
constexpr size_t BMP_INFO_BLOCK_SIZE = BMP_INFO_HEADER_SIZE + BMP_COLOUR_TABLE_SIZE;

static_assert(sizeof(BITMAPFILEHEADER) == BMP_FILE_HEADER_SIZE, "packed BMP file header");
static_assert(sizeof(BITMAPINFOHEADER) == BMP_INFO_HEADER_SIZE, "BMP info header");
static_assert(BMP_INFO_BLOCK_SIZE == 1064, "header and 256 colours");

// True when the header plus the colour table GDI will read fit in the 1064-byte info block and
// the pixel rows the header describes fit in the bitsSize bytes of the pixel block.
bool imageFitsBlocks(const BITMAPINFOHEADER &header, DWORD bitsSize);
