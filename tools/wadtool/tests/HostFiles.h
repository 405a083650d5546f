// The wadtool tests' fixture: a scratch folder per test; and where a record sits in a data file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/TestFiles.h"

// Where record index of a data file starts, found through its trailer.
inline size_t recordPosition(const std::string &bytes, uint32_t index) {
    return littleEndianAt(bytes, bytes.size() - 8) + 11 + 272 * size_t(index);
}

// Gives each test a scratch folder of its own under the working directory; removes it after.
class HostFilesTest : public ::testing::Test {
  protected:
    std::string folder;

    void SetUp() override {
        folder = std::string("scratch_") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        std::filesystem::remove_all(folder);
        ASSERT_TRUE(std::filesystem::create_directories(folder)) << folder;
    }
    void TearDown() override {
        if (!HasFailure()) {
            std::filesystem::remove_all(folder);
        }
    }
    std::string at(const std::string &name) const { return folder + name; }
};
