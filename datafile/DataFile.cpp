#include "datafile/DataFile.h"

#include <new>

#include "platform/fileStream.h"

namespace {

// True when the file begins with "ZORHEAD" in any letter case and a NUL.
bool headerIsValid(FILE *stream) {
    char magic[sizeof(HEADER_MAGIC)];
    return readExactly(stream, magic, sizeof(magic)) &&
           namesEqualIgnoringCase(magic, HEADER_MAGIC, sizeof(magic));
}

// Reads the directory position from the trailer, and learns the file's length on the way.
bool readTrailer(FILE *stream, uint32_t &directoryOffset, uint64_t &fileLength) {
    if (fseek(stream, -TRAILER_SIZE, SEEK_END) != 0) {
        return false;
    }
    long trailerPosition = ftell(stream);
    unsigned char trailer[TRAILER_SIZE];
    if (trailerPosition < 0 || !readExactly(stream, trailer, sizeof(trailer))) {
        return false;
    }
    directoryOffset = littleEndian32(trailer);
    fileLength = uint64_t(trailerPosition) + TRAILER_SIZE;
    return true;
}

// Reads "ZORDIR" (any letter case) and its NUL at directoryOffset, then the record count.
bool readDirectoryHead(FILE *stream, uint32_t directoryOffset, uint32_t &count) {
    if (directoryOffset > LARGEST_DATA_FILE_POSITION ||
        fseek(stream, static_cast<long>(directoryOffset), SEEK_SET) != 0) {
        return false;
    }
    char magic[sizeof(DIRECTORY_MAGIC)];
    unsigned char countBytes[COUNT_SIZE];
    if (!readExactly(stream, magic, sizeof(magic)) ||
        !namesEqualIgnoringCase(magic, DIRECTORY_MAGIC, sizeof(magic)) ||
        !readExactly(stream, countBytes, sizeof(countBytes))) {
        return false;
    }
    count = littleEndian32(countBytes);
    return true;
}

// True when count records starting at firstRecord end inside the file. Done in 64 bits, so a
// count whose 272 x N would overflow 32 bits is simply too long for the file.
bool fileHoldsRecords(uint64_t firstRecord, uint32_t count, uint64_t fileLength) {
    return firstRecord + uint64_t(count) * sizeof(DataFileEntry) <= fileLength;
}

// Reads count records from position, one 272-byte read per record.
bool readRecords(FILE *stream, const fpos_t &position, DataFileEntry *records, uint32_t count) {
    if (fsetpos(stream, &position) != 0) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        if (fread(&records[i], sizeof(DataFileEntry), 1, stream) != 1) {
            return false;
        }
    }
    return true;
}

// Folds an ASCII capital to its small letter; leaves every other byte, those above 127 included,
// as it is (the C library's tolower would follow the locale).
unsigned char foldAsciiCase(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// The first record, in directory order, whose name equals name without regard to letter case;
// null when there is none.
const DataFileEntry *firstRecordNamed(const DataFileEntry *entries, uint32_t count,
                                      const char *name) {
    for (uint32_t i = 0; i < count; ++i) {
        if (namesEqualIgnoringCase(entries[i].name, name, sizeof(entries[i].name))) {
            return &entries[i];
        }
    }
    return nullptr;
}

} // namespace

bool namesEqualIgnoringCase(const char *a, const char *b, size_t limit) {
    for (size_t i = 0; i < limit; ++i) {
        unsigned char left = foldAsciiCase(static_cast<unsigned char>(a[i]));
        unsigned char right = foldAsciiCase(static_cast<unsigned char>(b[i]));
        if (left != right) {
            return false;
        }
        if (left == '\0') {
            return true;
        }
    }
    return false;
}

// entryCount starts at 0 too, so a closed DataFile answers every look-up with "absent"
// instead of walking a directory that was never read.
DataFile::DataFile() : stream(nullptr), entriesPosition(), entryCount(0), entries(nullptr) {}

ResultCode DataFile::open(const char *fileName) {
    return openStream(fopen(fileName, "rb"));
}

#ifdef _WIN32
ResultCode DataFile::open(const wchar_t *fileName) {
    return openStream(_wfopen(fileName, L"rb"));
}
#endif

// Takes the opened file as the stream and reads its header, trailer and directory.
ResultCode DataFile::openStream(FILE *opened) {
    stream = opened;
    if (stream == nullptr) {
        return RC_FILE_NOT_FOUND;
    }
    if (!headerIsValid(stream)) {
        return RC_HEADER_INVALID;
    }
    uint32_t directoryOffset = 0;
    uint64_t fileLength = 0;
    uint32_t count = 0;
    if (!readTrailer(stream, directoryOffset, fileLength) ||
        !readDirectoryHead(stream, directoryOffset, count) ||
        fgetpos(stream, &entriesPosition) != 0) {
        return RC_DIRECTORY_CORRUPT;
    }
    // A count the file cannot hold is a cut-off or damaged directory, not a reason to allocate.
    uint64_t firstRecord = uint64_t(directoryOffset) + sizeof(DIRECTORY_MAGIC) + COUNT_SIZE;
    if (!fileHoldsRecords(firstRecord, count, fileLength)) {
        return RC_DIRECTORY_CORRUPT;
    }
    DataFileEntry *records = new (std::nothrow) DataFileEntry[count];
    if (records == nullptr) {
        return RC_DIRECTORY_NO_MEMORY;
    }
    // The directory stays empty after any failure: no half-read records are ever consulted.
    if (!readRecords(stream, entriesPosition, records, count)) {
        delete[] records;
        return RC_DIRECTORY_CORRUPT;
    }
    entries = records;
    entryCount = count;
    return RC_SUCCESS;
}

FILE *DataFile::find(const char *entryName) {
    const DataFileEntry *record = firstRecordNamed(entries, entryCount, entryName);
    if (record == nullptr) {
        return nullptr;
    }
    // An offset the stream cannot seek to would leave it wherever the last reader stopped, and
    // the caller would read some other entry's bytes: treat the record as absent instead.
    if (record->offset > LARGEST_DATA_FILE_POSITION ||
        fseek(stream, static_cast<long>(record->offset), SEEK_SET) != 0) {
        return nullptr;
    }
    return stream;
}

int32_t DataFile::sizeOf(const char *entryName) {
    const DataFileEntry *record = firstRecordNamed(entries, entryCount, entryName);
    return record == nullptr ? 0 : static_cast<int32_t>(record->size);
}

void DataFile::close() {
    if (stream != nullptr) {
        fclose(stream);
    }
    delete[] entries;
    *this = DataFile();
}
