// wadtool list: prints each directory record's name, offset and size, in directory order.
#include <ostream>

#include "dataFileAccess.h"
#include "wadtool.h"

bool listDataFile(const std::string &path, std::ostream &out, std::string &error) {
    DataFile dataFile;
    if (!openDataFile(dataFile, path, error)) {
        error = path + ": " + error;
        return false;
    }
    for (uint32_t i = 0; i < dataFile.entryCount; ++i) {
        const DataFileEntry &record = dataFile.entries[i];
        out << recordName(record) << '\t' << record.offset << '\t' << record.size << '\n';
    }
    dataFile.close();
    return true;
}
