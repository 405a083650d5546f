// datafile_fuzzer: libFuzzer target for the data-file reader (stdio only) and wadtool verify.
// Each input is written to a file and opened as the demo opens Varev1.WAD; AddressSanitizer and
// UBSan report any bad read, write or arithmetic, and an undocumented result aborts.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "datafile/DataFile.h"
#include "wadtool.h"

namespace {

const char *const ENTRY_NAMES[] = {"ball.bmp", "star.bmp", "logo.bmp", "Zorvd.mid"};
// Enough to read through any entry of a real data file, small enough to stay fast.
constexpr int32_t LARGEST_READ = 1 << 20;

// A file of this process's own for the input (tmpfs when there is one).
std::string inputPath() {
    const char *folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/datafile-fuzz-" + std::to_string(getpid()) + ".wad";
}

bool writeInput(const std::string &path, const uint8_t *data, size_t size) {
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

bool documentedOpenResult(ResultCode result) {
    return result == RC_SUCCESS || result == RC_FILE_NOT_FOUND || result == RC_HEADER_INVALID ||
           result == RC_DIRECTORY_CORRUPT || result == RC_DIRECTORY_NO_MEMORY;
}

// Reads each asked-for entry as its caller would: the size first, then the bytes at find.
void readEntries(DataFile &dataFile) {
    std::vector<char> buffer;
    for (const char *name : ENTRY_NAMES) {
        int32_t size = dataFile.sizeOf(name);
        FILE *stream = dataFile.find(name);
        if (stream && size > 0) {
            buffer.resize(static_cast<size_t>(size < LARGEST_READ ? size : LARGEST_READ));
            std::fread(buffer.data(), 1, buffer.size(), stream);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const std::string path = inputPath();
    if (!writeInput(path, data, size)) {
        std::abort();
    }
    DataFile dataFile;
    ResultCode opened = dataFile.open(path.c_str());
    if (!documentedOpenResult(opened)) {
        std::fprintf(stderr, "DataFile::open gave undocumented 0x%X\n",
                     static_cast<unsigned>(opened));
        std::abort();
    }
    if (opened == RC_SUCCESS) {
        readEntries(dataFile);
    }
    dataFile.close();

    std::vector<std::string> problems;
    bool verified = verifyDataFile(path, problems);
    // verify must find a problem with everything the reader refuses.
    if (opened != RC_SUCCESS && verified) {
        std::fprintf(stderr, "wadtool verify passed a file the reader refuses (0x%X)\n",
                     static_cast<unsigned>(opened));
        std::abort();
    }
    return 0;
}
