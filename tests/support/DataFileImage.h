// DataFileImage: the one builder of data files in the tests. Builds them byte by byte,
// well-formed or deliberately broken; makeDataFile builds a whole well-formed one.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "TestFiles.h"

// One directory record as a test writes it; the name is copied into the 256-byte field.
struct TestRecord {
    std::string name;
    uint32_t offset;
    uint32_t size;
};

class DataFileImage {
  public:
    Bytes bytes;

    // Appends raw bytes and returns the position of the first of them.
    template <class Container> uint32_t append(const Container &data) {
        uint32_t position = static_cast<uint32_t>(bytes.size());
        bytes.insert(bytes.end(), data.begin(), data.end());
        return position;
    }
    uint32_t append(const char *text) { return append(std::string(text)); }
    // Appends text and its NUL.
    uint32_t appendText(const char *text) { return append(std::string(text, strlen(text) + 1)); }
    // Appends a little-endian 32-bit word.
    void appendWord(uint32_t value) { appendLittleEndian(bytes, value, 4); }
    // Overwrites the little-endian 32-bit word at position.
    void patchWord(uint32_t position, uint32_t value) { putWord(bytes, position, value); }
    // Appends a 272-byte record; the name field is padded with NULs, or cut at 256 bytes.
    void appendRecord(const TestRecord &record) {
        std::string name = record.name;
        name.resize(256, '\0');
        append(name);
        appendWord(record.offset);
        appendWord(0xDEADBEEF);
        appendWord(record.size);
        appendWord(0xDEADBEEF);
    }
    // Appends a directory with the given magic, count and records; returns its position.
    uint32_t appendDirectory(const std::vector<TestRecord> &records, uint32_t count,
                             const char *magic = "ZORDIR") {
        uint32_t position = appendText(magic);
        appendWord(count);
        for (const TestRecord &record : records) {
            appendRecord(record);
        }
        return position;
    }
    uint32_t appendDirectory(const std::vector<TestRecord> &records) {
        return appendDirectory(records, static_cast<uint32_t>(records.size()));
    }
    // Appends the trailer: the directory position and a reserved word.
    void appendTrailer(uint32_t directoryOffset, uint32_t reserved = 0) {
        appendWord(directoryOffset);
        appendWord(reserved);
    }
};

// A header, entries "one" (3 bytes) and "two" (5 bytes), the directory and the trailer.
inline DataFileImage twoEntryImage() {
    DataFileImage image;
    image.appendText("ZORHEAD");
    uint32_t one = image.append("ONE");
    uint32_t two = image.append("TWO22");
    uint32_t directory = image.appendDirectory({{"one", one, 3}, {"two", two, 5}});
    image.appendTrailer(directory);
    return image;
}

// One entry of a whole data file: its name and its bytes.
struct DataFileItem {
    std::string name;
    Bytes data;
};

// A complete data file: header magic, the items' data, the directory and the trailer.
inline Bytes makeDataFile(const std::vector<DataFileItem> &items) {
    DataFileImage image;
    image.appendText("ZORHEAD");
    std::vector<TestRecord> records;
    for (const DataFileItem &item : items) {
        records.push_back({item.name, image.append(item.data), uint32_t(item.data.size())});
    }
    image.appendTrailer(image.appendDirectory(records));
    return image.bytes;
}
