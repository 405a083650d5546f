// The sizes of the pieces of a BMP that Surface::loadBitmap reads, checked against Windows' own.
#pragma once

#include <windows.h>

#include "display/bmpLayout.h"

static_assert(sizeof(BITMAPFILEHEADER) == BMP_FILE_HEADER_SIZE, "packed BMP file header");
static_assert(sizeof(BITMAPINFOHEADER) == BMP_INFO_HEADER_SIZE, "BMP info header");
static_assert(BMP_COLOUR_TABLE_SIZE == 256 * sizeof(RGBQUAD), "256 colours");
static_assert(BMP_INFO_BLOCK_SIZE == 1064, "header and 256 colours");
