// TestFiles: whole files read and written by the tests, and little-endian words inside the
// bytes of the demo's files. Header-only, so the Windows tests and the host-built tool tests
// share it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The bytes of a file the tests build or read.
using Bytes = std::vector<uint8_t>;

// The whole content of the opened file, which it closes, as a Container of bytes (a string by
// default); empty when file is null, a file that could not be opened.
template <class Container = std::string> Container readAndClose(FILE *file) {
    Container content;
    if (file == nullptr) {
        return content;
    }
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) {
        content.insert(content.end(), buffer, buffer + got);
    }
    std::fclose(file);
    return content;
}

// The whole content of the file at path; empty when the file cannot be opened.
template <class Container = std::string> Container readFile(const std::string &path) {
    return readAndClose<Container>(std::fopen(path.c_str(), "rb"));
}

// Writes content to the file at path, replacing it; false when it cannot.
template <class Container> bool writeFile(const std::string &path, const Container &content) {
    FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    size_t written = content.empty() ? 0 : std::fwrite(&content[0], 1, content.size(), file);
    return std::fclose(file) == 0 && written == content.size();
}

inline bool writeFile(const std::string &path, const char *text) {
    return writeFile(path, std::string(text));
}

inline bool fileExists(const std::string &path) {
    FILE *file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fclose(file);
    }
    return file != nullptr;
}

// Appends value as byteCount little-endian bytes.
template <class Container>
void appendLittleEndian(Container &bytes, uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes.push_back(static_cast<typename Container::value_type>(value >> (8 * i)));
    }
}

// Overwrites the little-endian 32-bit word at position; a word past the end throws, so a test
// that aims past its bytes fails instead of writing there.
template <class Container> void putWord(Container &bytes, size_t position, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.at(position + i) = static_cast<typename Container::value_type>(value >> (8 * i));
    }
}

// The little-endian value of byteCount bytes at position.
template <class Container>
uint32_t littleEndianAt(const Container &bytes, size_t position, int byteCount = 4) {
    uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes[position + i]);
    }
    return value;
}
