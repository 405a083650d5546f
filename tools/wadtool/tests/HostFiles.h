// Small file helpers for the host tests: a scratch folder per test, whole-file reads and writes,
// and little-endian words inside a byte string.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// The whole content of the file at path, or "<missing>" when it cannot be opened.
inline std::string readFile(const std::string &path) {
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return "<missing>";
    }
    std::string content;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        content.append(buffer, got);
    }
    fclose(file);
    return content;
}

// Writes content to the file at path, replacing it.
inline void writeFile(const std::string &path, const std::string &content) {
    FILE *file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
}

inline bool fileExists(const std::string &path) {
    return readFile(path) != "<missing>";
}

// The little-endian 32-bit word at position.
inline uint32_t wordAt(const std::string &bytes, size_t position) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[position + i]);
    }
    return value;
}

// Overwrites the little-endian 32-bit word at position.
inline void putWord(std::string &bytes, size_t position, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[position + i] = static_cast<char>(value >> (8 * i));
    }
}

// Where record index of a data file starts, found through its trailer.
inline size_t recordPosition(const std::string &bytes, uint32_t index) {
    return wordAt(bytes, bytes.size() - 8) + 11 + 272 * size_t(index);
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
