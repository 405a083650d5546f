// Opening, closing and measuring data files for the wadtool commands.
#include "dataFileAccess.h"

#include <cstring>

#include "platform/resultText.h"

bool openDataFile(DataFile &dataFile, const std::string &path, std::string &error) {
    ResultCode rc = dataFile.open(path.c_str());
    if (rc == RC_SUCCESS) {
        return true;
    }
    error = resultText(rc);
    closeDataFile(dataFile);
    return false;
}

void closeDataFile(DataFile &dataFile) {
    if (dataFile.stream != nullptr) {
        fclose(dataFile.stream);
    }
    delete[] dataFile.entries;
    dataFile = DataFile();
}

uint64_t fileLength(FILE *stream) {
    long position = ftell(stream);
    fseek(stream, 0, SEEK_END);
    long length = ftell(stream);
    fseek(stream, position, SEEK_SET);
    return length < 0 ? 0 : static_cast<uint64_t>(length);
}

std::string recordName(const DataFileEntry &record) {
    return std::string(record.name, strnlen(record.name, sizeof(record.name)));
}

bool recordNameIsTerminated(const DataFileEntry &record) {
    return memchr(record.name, '\0', sizeof(record.name)) != nullptr;
}
