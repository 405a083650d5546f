// wadtool extract: copies one entry's bytes out of a data file, found as the demo finds it.
#include <cstdio>
#include <vector>

#include "dataFileAccess.h"
#include "wadtool.h"

namespace {

// Reads size bytes from stream and writes them to a new file at outPath.
bool copyOut(FILE *stream, uint32_t size, const std::string &outPath, std::string &error) {
    std::vector<unsigned char> bytes(size);
    if (size > 0 && fread(bytes.data(), 1, size, stream) != size) {
        error = "read error";
        return false;
    }
    FILE *out = fopen(outPath.c_str(), "wb");
    if (out == nullptr) {
        error = outPath + ": cannot create";
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = fflush(out) == 0 && written;
    written = fclose(out) == 0 && written;
    if (!written) {
        remove(outPath.c_str());
        error = outPath + ": cannot write";
    }
    return written;
}

} // namespace

bool extractEntry(const std::string &path, const std::string &name, const std::string &outPath,
                  std::string &error) {
    DataFile dataFile;
    if (!openDataFile(dataFile, path, error)) {
        error = path + ": " + error;
        return false;
    }
    // sizeOf cannot tell an empty entry from a missing one; find can.
    uint32_t size = static_cast<uint32_t>(dataFile.sizeOf(name.c_str()));
    int64_t length = streamLength(dataFile.stream);
    FILE *stream = dataFile.find(name.c_str());
    bool copied = false;
    if (stream == nullptr) {
        error = path + ": no entry named " + name;
    } else if (int64_t{ftell(stream)} + size > length) {
        error = path + ": entry " + name + " runs past the end of the file";
    } else {
        copied = copyOut(stream, size, outPath, error);
    }
    dataFile.close();
    return copied;
}
