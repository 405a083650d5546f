// The layout of the packed data file, one place for its reader and for wadtool, which writes and
// checks it: the magics, the directory record, the trailer, the little-endian numbers and the
// size limit. In file order:
//   "ZORHEAD" NUL, the entries' bytes, "ZORDIR" NUL, the record count, the records,
//   the trailer (the directory's offset and a reserved word).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/fileStream.h"

// Both magics match in any letter case, and each ends in its NUL.
constexpr char HEADER_MAGIC[] = "ZORHEAD";
constexpr char DIRECTORY_MAGIC[] = "ZORDIR";
// The record count behind the directory's magic.
constexpr size_t COUNT_SIZE = 4;
constexpr long TRAILER_SIZE = 8;

// One directory record, exactly as stored: 272 bytes, little-endian, no padding.
#pragma pack(push, 1)
struct DataFileEntry {
    char name[256];
    uint32_t offset;
    uint32_t reserved1;
    uint32_t size;
    uint32_t reserved2;
};
#pragma pack(pop)
static_assert(sizeof(DataFileEntry) == 272, "a directory record is 272 bytes");

// No offset or size in the data file, nor the file's own length, goes beyond this (so the file
// stays below 2 GiB): the reader seeks to an entry with fseek and hands its size out as int32_t.
constexpr uint32_t LARGEST_DATA_FILE_POSITION = LARGEST_SEEK_POSITION;

// The unsigned 32-bit little-endian number in the four bytes at bytes.
inline uint32_t littleEndian32(const unsigned char *bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}
