// Whether the demo will load and draw the BMP entry that a stream stands at.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Empty when the demo loads and draws the BMP at the stream's position (an entry of entrySize
// bytes); otherwise the reason it will not. Moves the stream.
std::string bitmapVerdict(FILE *stream, uint32_t entrySize);
