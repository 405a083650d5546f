// Builders of data files and BMP images for the scene tests.
#include "SceneDataFile.h"

#include <cstdio>
#include <cstring>

namespace {

// Appends value as little-endian bytes of the given width.
void appendLittleEndian(Bytes &bytes, uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// Appends text and its NUL.
void appendText(Bytes &bytes, const char *text) {
    bytes.insert(bytes.end(), text, text + std::strlen(text) + 1);
}

// Appends the name padded with NULs to 256 bytes, then offset, reserved, size, reserved.
void appendRecord(Bytes &bytes, const std::string &name, uint32_t offset, uint32_t size) {
    Bytes field(256, 0);
    std::memcpy(field.data(), name.data(), name.size());
    bytes.insert(bytes.end(), field.begin(), field.end());
    appendLittleEndian(bytes, offset, 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, size, 4);
    appendLittleEndian(bytes, 0, 4);
}

} // namespace

Bytes makeBitmap(int32_t width, int32_t height) {
    const uint32_t rowSize = (static_cast<uint32_t>(width) + 3u) & ~3u;
    const uint32_t pixelBytes = rowSize * static_cast<uint32_t>(height);
    const uint32_t offBits = 14 + 40 + 1024;
    Bytes bmp;
    bmp.push_back('B');
    bmp.push_back('M');
    appendLittleEndian(bmp, offBits + pixelBytes, 4); // bfSize
    appendLittleEndian(bmp, 0, 4);                    // two reserved words
    appendLittleEndian(bmp, offBits, 4);              // bfOffBits
    appendLittleEndian(bmp, 40, 4);                   // biSize
    appendLittleEndian(bmp, static_cast<uint32_t>(width), 4);
    appendLittleEndian(bmp, static_cast<uint32_t>(height), 4);
    appendLittleEndian(bmp, 1, 2); // biPlanes
    appendLittleEndian(bmp, 8, 2); // biBitCount
    appendLittleEndian(bmp, 0, 4); // biCompression
    appendLittleEndian(bmp, pixelBytes, 4);
    appendLittleEndian(bmp, 2835, 4);
    appendLittleEndian(bmp, 2835, 4);
    appendLittleEndian(bmp, 256, 4);
    appendLittleEndian(bmp, 0, 4);
    for (uint32_t i = 0; i < 256; ++i) {
        appendLittleEndian(bmp, i * 0x010101u, 4);
    }
    bmp.insert(bmp.end(), pixelBytes, 1);
    return bmp;
}

Bytes makeDataFile(const std::vector<DataFileItem> &items) {
    Bytes file;
    appendText(file, "ZORHEAD");
    std::vector<uint32_t> offsets;
    for (const DataFileItem &item : items) {
        offsets.push_back(static_cast<uint32_t>(file.size()));
        file.insert(file.end(), item.data.begin(), item.data.end());
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(file.size());
    appendText(file, "ZORDIR");
    appendLittleEndian(file, static_cast<uint32_t>(items.size()), 4);
    for (size_t i = 0; i < items.size(); ++i) {
        appendRecord(file, items[i].name, offsets[i], static_cast<uint32_t>(items[i].data.size()));
    }
    appendLittleEndian(file, directoryOffset, 4);
    appendLittleEndian(file, 0, 4);
    return file;
}

Bytes demoTune() {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
}

Bytes makeDemoDataFile(int32_t ballSize, int32_t starSize, int32_t logoWidth, int32_t logoHeight) {
    return makeDataFile({
        {"Zorvd.mid", demoTune()},
        {"ball.bmp", makeBitmap(ballSize, ballSize)},
        {"star.bmp", makeBitmap(starSize, starSize)},
        {"logo.bmp", makeBitmap(logoWidth, logoHeight)},
    });
}

bool writeFile(const std::string &path, const Bytes &bytes) {
    FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    return std::fclose(file) == 0 && written == bytes.size();
}
