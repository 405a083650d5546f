// DataFileTest: the fixture of the data-file tests: writes a data file built with
// DataFileImage, opens it with a DataFile and cleans up after the test.
#pragma once

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "datafile/DataFile.h"
#include "support/DataFileImage.h"

// Writes an image to a file named after the running test, opens it with a DataFile, and closes
// and removes it afterwards.
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
        dataFile.close();
        remove(path.c_str());
    }
    void write(const DataFileImage &image) { ASSERT_TRUE(writeFile(path, image.bytes)); }
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
