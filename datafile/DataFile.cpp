// DataFile construction: a closed reader with no stream and no directory.
#include "datafile/DataFile.h"

// entryCount starts at 0 too, so a closed DataFile answers every look-up with "absent"
// instead of walking a directory that was never read.
DataFile::DataFile() : stream(nullptr), entriesPosition(), entryCount(0), entries(nullptr) {}
