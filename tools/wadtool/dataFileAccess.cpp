#include "dataFileAccess.h"

#include <cstring>

#include "platform/resultText.h"

bool openDataFile(DataFile &dataFile, const std::string &path, std::string &error) {
    ResultCode rc = dataFile.open(path.c_str());
    if (rc == RC_SUCCESS) {
        return true;
    }
    error = resultText(rc);
    dataFile.close();
    return false;
}

std::string recordName(const DataFileEntry &record) {
    return std::string(record.name, strnlen(record.name, sizeof(record.name)));
}

bool recordNameIsTerminated(const DataFileEntry &record) {
    return memchr(record.name, '\0', sizeof(record.name)) != nullptr;
}
