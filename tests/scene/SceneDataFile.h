// Small data files and 8-bit BMP images written by the scene tests into their working
// directory, so the start-up and the sprite reload read real bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<unsigned char> Bytes;

struct DataFileItem {
    std::string name;
    Bytes data;
};

// An uncompressed bottom-up 8-bit BMP with a 256-entry colour table; every pixel is index 1.
Bytes makeBitmap(int32_t width, int32_t height);
// A complete data file: header magic, the items' data, the directory and the trailer.
Bytes makeDataFile(const std::vector<DataFileItem> &items);
// The bytes of the tune in makeDemoDataFile: the header chunk of a MIDI file.
Bytes demoTune();
// The data file of a working demo: the three sprites of the given sizes and a short tune.
Bytes makeDemoDataFile(int32_t ballSize, int32_t starSize, int32_t logoWidth, int32_t logoHeight);
// Writes bytes to path, replacing any file there; false when it cannot.
bool writeFile(const std::string &path, const Bytes &bytes);
