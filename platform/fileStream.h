// Reading a C file stream, as the data file and the BMP loader do: the one way the demo reads a
// fixed number of bytes, and what a stream can reach on Windows (the largest position fseek
// takes there, and the stream's length), which the data file and the BMP checks both keep within.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// fseek takes a long, which is 32 bits on Windows: no position beyond this can be sought there.
constexpr uint32_t LARGEST_SEEK_POSITION = 0x7FFFFFFF;

// Reads exactly size bytes into buffer; false on a short read. The buffer is zeroed first, so a
// short read never leaves undefined bytes behind for a later comparison.
bool readExactly(FILE *stream, void *buffer, size_t size);

// The length of the stream, leaving it where it was; -1 when it cannot be measured.
int64_t streamLength(FILE *stream);
