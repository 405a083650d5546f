// Whether a loaded image can be handed to GDI without GDI reading past its two blocks. Free of
// Windows, so the data-file tool makes the same check.
#pragma once

#include <cstdint>

#include "display/bmpLayout.h"

// True when the header plus the colour table GDI will read fit in the 1064-byte info block and
// the pixel rows the header describes fit in the bitsSize bytes of the pixel block.
bool imageFitsBlocks(const BmpInfoHeader &header, uint32_t bitsSize);
