// The BMP loader behind Surface::loadBitmap: reads one BMP from a stream into two locked blocks
// of movable global memory, the info header with a 256-entry colour table, and the pixel data.
// Here, the sizes of the pieces it reads, checked against Windows' own; the checks themselves
// are in BmpChecks, free of Windows.
#pragma once

#include <windows.h>

#include "display/BmpChecks.h"

static_assert(sizeof(BITMAPFILEHEADER) == BMP_FILE_HEADER_SIZE, "packed BMP file header");
static_assert(sizeof(BITMAPINFOHEADER) == BMP_INFO_HEADER_SIZE, "BMP info header");
static_assert(BMP_COLOUR_TABLE_SIZE == 256 * sizeof(RGBQUAD), "256 colours");
static_assert(BMP_INFO_BLOCK_SIZE == 1064, "header and 256 colours");
