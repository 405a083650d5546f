// wadtool pack: lays out a data file (header, entries, directory, trailer) and writes it whole.
#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "datafile/DataFile.h"
#include "wadtool.h"

namespace {

typedef std::vector<unsigned char> Bytes;

constexpr size_t NAME_FIELD_SIZE = sizeof(DataFileEntry::name);

// Appends a little-endian 32-bit word.
void appendWord(Bytes &bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<unsigned char>(value >> shift));
    }
}

// Appends text and its terminating NUL.
void appendText(Bytes &bytes, const std::string &text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
}

// Reads the whole file at path into content.
bool readWholeFile(const std::string &path, Bytes &content, std::string &error) {
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = path + ": cannot open for reading";
        return false;
    }
    content.clear();
    unsigned char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        content.insert(content.end(), buffer, buffer + got);
    }
    bool failed = ferror(file) != 0;
    fclose(file);
    if (failed) {
        error = path + ": read error";
    }
    return !failed;
}

// Checks that every name fits its field and that no two are equal to the reader.
bool checkNames(const std::vector<PackInput> &inputs, std::string &error) {
    for (size_t i = 0; i < inputs.size(); ++i) {
        const std::string &name = inputs[i].name;
        if (name.empty() || name.find('\0') != std::string::npos) {
            error = inputs[i].path + ": entry name is empty";
            return false;
        }
        if (name.size() >= NAME_FIELD_SIZE) {
            error = "entry name longer than 255 bytes: " + name;
            return false;
        }
        for (size_t j = 0; j < i; ++j) {
            // The reader would only ever find the first of two such names.
            if (namesEqualIgnoringCase(inputs[j].name.c_str(), name.c_str(), NAME_FIELD_SIZE)) {
                error = "duplicate entry name: " + inputs[j].name + " and " + name;
                return false;
            }
        }
    }
    return true;
}

// Appends one 272-byte directory record; the reserved words are written as 0.
void appendRecord(Bytes &bytes, const std::string &name, uint32_t offset, uint32_t size) {
    size_t start = bytes.size();
    bytes.resize(start + NAME_FIELD_SIZE, 0);
    memcpy(&bytes[start], name.data(), name.size());
    appendWord(bytes, offset);
    appendWord(bytes, 0);
    appendWord(bytes, size);
    appendWord(bytes, 0);
}

// Writes bytes to file and makes sure they reached the disk, not only the buffers.
bool writeDurably(FILE *file, const Bytes &bytes) {
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = fflush(file) == 0 && written;
#ifdef _WIN32
    written = _commit(_fileno(file)) == 0 && written;
#else
    written = fsync(fileno(file)) == 0 && written;
#endif
    return fclose(file) == 0 && written;
}

// Puts the file at from in place of the one at to, in one step: there is never a moment
// without a whole file under the name to.
bool replaceFile(const std::string &from, const std::string &to) {
#ifdef _WIN32
    // NOTE: rename on Windows refuses to replace an existing file; a replacing move does.
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return rename(from.c_str(), to.c_str()) == 0;
#endif
}

// Writes bytes to a neighbour of outPath and puts it in place only once it is whole on disk,
// so a failed write (a full disk) leaves an existing data file as it was.
bool writeWholeFile(const std::string &outPath, const Bytes &bytes, std::string &error) {
    std::string partial = outPath + ".partial";
    FILE *file = fopen(partial.c_str(), "wb");
    if (file == nullptr) {
        error = partial + ": cannot create";
        return false;
    }
    if (!writeDurably(file, bytes) || !replaceFile(partial, outPath)) {
        remove(partial.c_str());
        error = outPath + ": cannot write";
        return false;
    }
    return true;
}

} // namespace

PackInput parsePackArgument(const std::string &argument) {
    size_t equals = argument.find('=');
    // An '=' after a path separator belongs to a directory name, not to NAME=PATH.
    if (equals != std::string::npos && argument.find_first_of("/\\") > equals) {
        return {argument.substr(0, equals), argument.substr(equals + 1)};
    }
    size_t separator = argument.find_last_of("/\\");
    std::string name = separator == std::string::npos ? argument : argument.substr(separator + 1);
    return {name, argument};
}

bool packDataFile(const std::string &outPath, const std::vector<PackInput> &inputs,
                  std::string &error) {
    if (!checkNames(inputs, error)) {
        return false;
    }
    Bytes image;
    appendText(image, HEADER_MAGIC);
    std::vector<uint32_t> offsets;
    std::vector<uint32_t> sizes;
    for (const PackInput &input : inputs) {
        Bytes content;
        if (!readWholeFile(input.path, content, error)) {
            return false;
        }
        if (image.size() + content.size() > LARGEST_DATA_FILE_POSITION) {
            error = input.path + ": data file would reach 2 GiB";
            return false;
        }
        offsets.push_back(static_cast<uint32_t>(image.size()));
        sizes.push_back(static_cast<uint32_t>(content.size()));
        image.insert(image.end(), content.begin(), content.end());
    }
    uint32_t directoryOffset = static_cast<uint32_t>(image.size());
    appendText(image, DIRECTORY_MAGIC);
    appendWord(image, static_cast<uint32_t>(inputs.size()));
    for (size_t i = 0; i < inputs.size(); ++i) {
        appendRecord(image, inputs[i].name, offsets[i], sizes[i]);
    }
    appendWord(image, directoryOffset);
    appendWord(image, 0);
    if (image.size() > LARGEST_DATA_FILE_POSITION) {
        error = outPath + ": data file would reach 2 GiB";
        return false;
    }
    return writeWholeFile(outPath, image, error);
}
