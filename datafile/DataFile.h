// DataFile: reads the packed data file: finds an entry by name and hands out its one
// shared stream positioned at the entry's first byte.
#pragma once

#include <cstdint>
#include <cstdio>

#include "platform/ResultCode.h"

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

class DataFile {
  public:
    DataFile();

    ResultCode open(const char *fileName);
    // The stream positioned at the entry, or null when no record has that name.
    FILE *find(const char *entryName);
    // The entry's size, or 0 when no record has that name. Never moves the stream.
    int32_t sizeOf(const char *entryName);

    FILE *stream;
    fpos_t entriesPosition;
    uint32_t entryCount;
    DataFileEntry *entries;
};
