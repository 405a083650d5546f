// Helpers the wadtool commands share for reading a data file through the demo's own reader.
#pragma once

#include <string>

#include "datafile/DataFile.h"

// Opens path with dataFile; on failure fills error with the reader's own message for it and
// closes dataFile again.
bool openDataFile(DataFile &dataFile, const std::string &path, std::string &error);

// The record's name: the bytes up to its NUL, or all 256 when it has none.
std::string recordName(const DataFileEntry &record);

// True when the record's name ends with a NUL inside its 256-byte field.
bool recordNameIsTerminated(const DataFileEntry &record);
