#include "platform/readExactly.h"

#include <cstring>

bool readExactly(FILE *stream, void *buffer, size_t size) {
    std::memset(buffer, 0, size);
    return std::fread(buffer, 1, size, stream) == size;
}
