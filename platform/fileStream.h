// What a C file stream can reach on Windows: the largest position fseek takes there, and the
// stream's length. The data file and the BMP checks both keep within them.
#pragma once

#include <cstdint>
#include <cstdio>

// fseek takes a long, which is 32 bits on Windows: no position beyond this can be sought there.
constexpr uint32_t LARGEST_SEEK_POSITION = 0x7FFFFFFF;

// The length of the stream, leaving it where it was; -1 when it cannot be measured.
int64_t streamLength(FILE *stream);
