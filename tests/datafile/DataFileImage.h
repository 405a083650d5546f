// DataFileImage: builds small data files byte by byte, well-formed or deliberately broken, and
// a fixture that opens them with a DataFile and cleans up after the test.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafile/DataFile.h"

// One directory record as a test writes it; the name is copied into the 256-byte field.
struct TestRecord {
    std::string name;
    uint32_t offset;
    uint32_t size;
};

class DataFileImage {
  public:
    std::vector<unsigned char> bytes;

    // Appends raw bytes and returns the position of the first of them.
    uint32_t append(const std::string &text) {
        uint32_t position = static_cast<uint32_t>(bytes.size());
        bytes.insert(bytes.end(), text.begin(), text.end());
        return position;
    }
    // Appends text and its NUL.
    uint32_t appendText(const char *text) { return append(std::string(text, strlen(text) + 1)); }
    // Appends a little-endian 32-bit word.
    void appendWord(uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<unsigned char>(value >> shift));
        }
    }
    // Overwrites the little-endian 32-bit word at position.
    void patchWord(uint32_t position, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[position + i] = static_cast<unsigned char>(value >> (8 * i));
        }
    }
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

// Writes an image to a file named after the running test, opens it with a DataFile, and closes
// and removes it afterwards (the DataFile itself never closes its stream).
class DataFileTest : public ::testing::Test {
  protected:
    DataFile dataFile;
    std::string path;

    void SetUp() override {
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::string("datafile_") + test->name() + ".wad";
        for (char &c : path) {
            if (c == '/') {
                c = '_';
            }
        }
    }
    void TearDown() override { reset(); }
    // Closes what the last open left behind and starts again with a closed DataFile.
    void reset() {
        if (dataFile.stream != nullptr) {
            fclose(dataFile.stream);
        }
        delete[] dataFile.entries;
        dataFile = DataFile();
        remove(path.c_str());
    }
    void write(const DataFileImage &image) {
        FILE *file = fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        if (!image.bytes.empty()) {
            ASSERT_EQ(fwrite(image.bytes.data(), image.bytes.size(), 1, file), 1u);
        }
        fclose(file);
    }
    ResultCode open(const DataFileImage &image) {
        reset();
        write(image);
        return dataFile.open(path.c_str());
    }
    // Reads size bytes from the stream's current position.
    static std::string readBytes(FILE *stream, size_t size) {
        std::string data(size, '\0');
        size_t got = size == 0 ? 0 : fread(&data[0], 1, size, stream);
        data.resize(got);
        return data;
    }
};
