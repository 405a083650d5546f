// Whether the pixels a BMP's file header promises can be reached in its stream. Free of
// Windows, so the data-file tool makes the same check as the loader.
#pragma once

#include <cstdint>
#include <cstdio>

#include "app/ResultCode.h"

// The check Surface::loadBitmap makes before it asks for the pixel block of a BMP that begins
// at position start of stream: RC_BITMAP_ALLOC_FAILED when bfSize leaves no pixel bytes;
// RC_BAD_IMAGE_DATA when start + bfOffBits is no position fseek can take or the pixels run
// past the end of the stream; RC_SUCCESS otherwise. The stream is left where it was.
ResultCode checkPixelPlace(FILE *stream, int64_t start, uint32_t bfSize, uint32_t bfOffBits);
