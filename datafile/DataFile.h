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

// The one name comparison of the data file, for its magics and entry names.
// True when the NUL-terminated texts a and b are equal with the ASCII letters compared without
// regard to case; every other byte must match exactly. At most limit bytes of either text are
// looked at: a text with no NUL among them equals nothing, so a fixed-size field that lacks its
// terminator is never read past.
bool namesEqualIgnoringCase(const char *a, const char *b, size_t limit);

class DataFile {
  public:
    DataFile();

    ResultCode open(const char *fileName);
#ifdef _WIN32
    // The same for a path in wide characters, which reaches a folder named in any script.
    ResultCode open(const wchar_t *fileName);
#endif
    // The stream positioned at the entry, or null when no record has that name.
    FILE *find(const char *entryName);
    // The entry's size, or 0 when no record has that name. Never moves the stream.
    int32_t sizeOf(const char *entryName);

    FILE *stream;
    fpos_t entriesPosition;
    uint32_t entryCount;
    DataFileEntry *entries;

  private:
    // Takes the opened file (null when it could not be opened) as the stream and reads its
    // header, trailer and directory.
    ResultCode readDirectory(FILE *opened);
};
