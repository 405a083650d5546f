// Tests of the byte-level writers: MIDI variable-length numbers and BMP layout.
#include "MidiFile.h"
#include "encodeBmp.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string hex(const Bytes &bytes) {
    std::string text;
    char pair[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X ", byte);
        text += pair;
    }
    return text;
}

std::uint32_t little32(const Bytes &bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

TEST(VariableLength, EncodesTheStandardExamples) {
    const struct {
        std::uint32_t value;
        Bytes expected;
    } cases[] = {
        {0x00000000, {0x00}},
        {0x00000040, {0x40}},
        {0x0000007F, {0x7F}},
        {0x00000080, {0x81, 0x00}},
        {0x00002000, {0xC0, 0x00}},
        {0x00003FFF, {0xFF, 0x7F}},
        {0x00004000, {0x81, 0x80, 0x00}},
        {0x001FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x00200000, {0x81, 0x80, 0x80, 0x00}},
        {0x08000000, {0xC0, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto &c : cases) {
        Bytes out{0xAA};
        appendVariableLength(out, c.value);
        Bytes expected{0xAA};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(hex(expected), hex(out)) << "value 0x" << std::hex << c.value;
    }
}

TEST(MidiTrackEncoding, ReleasesANoteBeforeTheNextStartsOnTheSameTick) {
    MidiTrack track;
    addNote(track, 0, 96, 0, 60, 100);
    addNote(track, 96, 96, 0, 60, 90);
    EXPECT_EQ("4D 54 72 6B 00 00 00 14 "             // "MTrk", 20 bytes
              "00 90 3C 64 60 80 3C 00 00 90 3C 5A " // on, off and on at 96
              "60 80 3C 00 00 FF 2F 00 ",            // off at 192, End of Track there
              hex(encodeTrack(track, 192)));
}

TEST(MidiTrackEncoding, PlacesEndOfTrackAtTheGivenTick) {
    MidiTrack track;
    addProgram(track, 0, 9, 0);
    EXPECT_EQ("4D 54 72 6B 00 00 00 08 00 C9 00 83 60 FF 2F 00 ", hex(encodeTrack(track, 480)));
}

TEST(BmpRowStride, PadsRowsToWholeDoubleWords) {
    const int widths[] = {1, 2, 3, 4, 5, 16, 30, 31, 32, 33, 300};
    const std::uint32_t strides[] = {4, 4, 4, 4, 8, 16, 32, 32, 32, 36, 300};
    for (std::size_t i = 0; i < std::size(widths); ++i)
        EXPECT_EQ(strides[i], bmpRowStride(widths[i])) << "width " << widths[i];
}

TEST(BmpEncoding, WritesHeadersColourTableAndPaddedBottomUpRows) {
    IndexedImage image;
    image.width = 5;
    image.height = 2;
    image.palette[1] = {10, 20, 30};
    image.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

    const Bytes file = encodeBmp(image);

    ASSERT_EQ(1078u + 2 * 8, file.size());
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('M', file[1]);
    EXPECT_EQ(file.size(), little32(file, 2));
    EXPECT_EQ(0u, little32(file, 6));
    EXPECT_EQ(1078u, little32(file, 10));
    EXPECT_EQ(40u, little32(file, 14));
    EXPECT_EQ(5u, little32(file, 18));
    EXPECT_EQ(2u, little32(file, 22));
    EXPECT_EQ(0x00080001u, little32(file, 26)); // one plane, 8 bits per pixel
    EXPECT_EQ(0u, little32(file, 30));          // uncompressed
    EXPECT_EQ(16u, little32(file, 34));
    EXPECT_EQ(256u, little32(file, 46));
    EXPECT_EQ("00 00 00 00 1E 14 0A 00 ", hex(Bytes(file.begin() + 54, file.begin() + 62)));
    // The bottom row comes first; each row is padded with zeros to 8 bytes.
    EXPECT_EQ("06 07 08 09 0A 00 00 00 01 02 03 04 05 00 00 00 ",
              hex(Bytes(file.begin() + 1078, file.end())));
}
