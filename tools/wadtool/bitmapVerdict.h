// wadtool verify's look at a BMP entry: the checks the demo's loader makes, in its order, then
// the ones that decide whether the demo can make a surface for it and draw it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Empty when the demo loads and draws the BMP at the stream's position (an entry of entrySize
// bytes); otherwise the reason it will not. Moves the stream.
std::string bitmapVerdict(FILE *stream, uint32_t entrySize);
