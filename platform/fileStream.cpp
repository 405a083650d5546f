#include "platform/fileStream.h"

#include <cstring>

bool readExactly(FILE *stream, void *buffer, size_t size) {
    std::memset(buffer, 0, size);
    return std::fread(buffer, 1, size, stream) == size;
}

int64_t streamLength(FILE *stream) {
    long position = std::ftell(stream);
    if (position < 0 || std::fseek(stream, 0, SEEK_END) != 0) {
        return -1;
    }
    long length = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    return length;
}
