// DataFile: reads the packed data file, laid out as DataFileLayout.h says. Opening checks the
// header, finds the directory through the trailer and loads it; a look-up finds an entry by name,
// in directory order, and hands out the one shared stream positioned at the entry's first byte.
#pragma once

#include <cstdint>
#include <cstdio>

#include "datafile/DataFileLayout.h"
#include "platform/ResultCode.h"

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
    // The same for a stream opened elsewhere (null: none could be opened), which the DataFile
    // then owns: the program's own copy of its data file is read with the same checks.
    ResultCode openStream(FILE *opened);
    // The stream positioned at the entry, or null when no record has that name.
    FILE *find(const char *entryName);
    // The entry's size, or 0 when no record has that name. Never moves the stream.
    int32_t sizeOf(const char *entryName);
    // Closes the stream and frees the directory, also after a failed open; the DataFile is then
    // as a new one. For wadtool: the demo reads from its data file until it ends.
    void close();

    FILE *stream;
    fpos_t entriesPosition;
    uint32_t entryCount;
    DataFileEntry *entries;
};
