// DataFile::find and DataFile::sizeOf: the look-up of an entry by name, in directory order.
#include "datafile/DataFile.h"

#include "datafile/namesEqualIgnoringCase.h"

namespace {

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

// Positions are handed to fseek as signed 32-bit values (long is 32 bits on Windows).
constexpr uint32_t LARGEST_POSITION = 0x7FFFFFFF;

} // namespace

FILE *DataFile::find(const char *entryName) {
    const DataFileEntry *record = firstRecordNamed(entries, entryCount, entryName);
    if (record == nullptr) {
        return nullptr;
    }
    // An offset the stream cannot seek to would leave it wherever the last reader stopped, and
    // the caller would read some other entry's bytes: treat the record as absent instead.
    if (record->offset > LARGEST_POSITION ||
        fseek(stream, static_cast<long>(record->offset), SEEK_SET) != 0) {
        return nullptr;
    }
    return stream;
}

int32_t DataFile::sizeOf(const char *entryName) {
    const DataFileEntry *record = firstRecordNamed(entries, entryCount, entryName);
    return record == nullptr ? 0 : static_cast<int32_t>(record->size);
}
