// Reading a fixed number of bytes from a file stream, for the data file and the BMP loader.
#include "platform/readExactly.h"

#include <cstring>

bool readExactly(FILE *stream, void *buffer, size_t size) {
    std::memset(buffer, 0, size);
    return std::fread(buffer, 1, size, stream) == size;
}
