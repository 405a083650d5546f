// DataFile::find and DataFile::sizeOf: name matching, directory order, layouts, and where the
// shared stream stands after each call.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DataFileTest.h"

namespace {

// A file with the given records, all pointing at one 4-byte entry "DATA" at position 8.
DataFileImage imageWithNames(const std::vector<std::string> &names) {
    DataFileImage image;
    image.appendText("ZORHEAD");
    uint32_t data = image.append("DATA");
    std::vector<TestRecord> records;
    uint32_t size = 1;
    for (const std::string &name : names) {
        records.push_back({name, data, size++});
    }
    image.appendTrailer(image.appendDirectory(records));
    return image;
}

// Header, then the entries "one" and "two" with the directory placed before, between or after
// them (directoryIndex 0, 1 or 2), then the trailer.
DataFileImage imageWithDirectoryAt(int directoryIndex) {
    DataFileImage image;
    image.appendText("ZORHEAD");
    const char *contents[] = {"first entry", "second"};
    uint32_t directory = 0;
    uint32_t offsets[2] = {};
    for (int i = 0; i <= 2; ++i) {
        if (i == directoryIndex) {
            directory = image.appendDirectory({{"one", 0, 11}, {"two", 0, 6}});
        }
        if (i < 2) {
            offsets[i] = image.append(contents[i]);
        }
    }
    for (int i = 0; i < 2; ++i) {
        image.patchWord(directory + 11 + 272 * i + 256, offsets[i]);
    }
    image.appendTrailer(directory);
    return image;
}

} // namespace

TEST_F(DataFileTest, NamesMatchWithoutRegardToAsciiCase) {
    ASSERT_EQ(open(imageWithNames({"ball.bmp", "Zorvd.mid", "\xC4rger"})), RC_SUCCESS);
    struct Case {
        const char *asked;
        int32_t size;
    };
    const Case cases[] = {
        {"ball.bmp", 1},
        {"BALL.BMP", 1},
        {"Ball.Bmp", 1},
        {"zorvd.mid", 2},
        {"ZORVD.MID", 2},
        {"ball.bmp ", 0},
        {" ball.bmp", 0},
        {"ball.bm", 0},
        {"ball.bmpx", 0},
        {"ball", 0},
        {"", 0},
        {"\xC4rger", 3},
        {"\xC4RGER", 3},
        // Only A to Z fold: the Latin-1 small letter of 0xC4 is a different byte.
        {"\xE4rger", 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(dataFile.sizeOf(c.asked), c.size) << '"' << c.asked << '"';
        EXPECT_EQ(dataFile.find(c.asked) != nullptr, c.size != 0) << '"' << c.asked << '"';
    }
}

TEST_F(DataFileTest, FirstRecordInDirectoryOrderWins) {
    // sizes 1, 2, 3, 4 in directory order
    ASSERT_EQ(open(imageWithNames({"other", "twin", "TWIN", "twin"})), RC_SUCCESS);
    EXPECT_EQ(dataFile.sizeOf("twin"), 2);
    EXPECT_EQ(dataFile.sizeOf("Twin"), 2);
    EXPECT_EQ(dataFile.sizeOf("TWIN"), 2);

    DataFileImage image;
    image.appendText("ZORHEAD");
    uint32_t first = image.append("AAAA");
    uint32_t second = image.append("BBBB");
    image.appendTrailer(image.appendDirectory({{"dup", first, 4}, {"DUP", second, 4}}));
    ASSERT_EQ(open(image), RC_SUCCESS);
    FILE *stream = dataFile.find("Dup");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(readBytes(stream, 4), "AAAA");
}

TEST_F(DataFileTest, DirectoryMayLieBeforeBetweenOrAfterTheEntries) {
    const char *where[] = {"before", "between", "after"};
    for (int index = 0; index <= 2; ++index) {
        ASSERT_EQ(open(imageWithDirectoryAt(index)), RC_SUCCESS) << where[index];
        FILE *one = dataFile.find("one");
        ASSERT_NE(one, nullptr) << where[index];
        EXPECT_EQ(readBytes(one, dataFile.sizeOf("one")), "first entry") << where[index];
        FILE *two = dataFile.find("TWO");
        ASSERT_NE(two, nullptr) << where[index];
        EXPECT_EQ(readBytes(two, dataFile.sizeOf("two")), "second") << where[index];
    }
}

TEST_F(DataFileTest, FindPositionsTheOneSharedStream) {
    ASSERT_EQ(open(twoEntryImage()), RC_SUCCESS);
    FILE *two = dataFile.find("two");
    ASSERT_EQ(two, dataFile.stream);
    EXPECT_EQ(ftell(two), 11L);
    EXPECT_EQ(readBytes(two, 2), "TW");

    // The second caller moves the stream the first one was reading.
    FILE *one = dataFile.find("one");
    EXPECT_EQ(one, two);
    EXPECT_EQ(ftell(two), 8L);
    EXPECT_EQ(readBytes(two, 3), "ONE");
}

TEST_F(DataFileTest, MissingNameAndSizeOfLeaveTheStreamAlone) {
    ASSERT_EQ(open(twoEntryImage()), RC_SUCCESS);
    FILE *stream = dataFile.find("two");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(readBytes(stream, 1), "T");
    ASSERT_EQ(ftell(stream), 12L);

    EXPECT_EQ(dataFile.find("three"), nullptr);
    EXPECT_EQ(ftell(stream), 12L);
    EXPECT_EQ(dataFile.sizeOf("one"), 3);
    EXPECT_EQ(dataFile.sizeOf("three"), 0);
    EXPECT_EQ(ftell(stream), 12L);
    EXPECT_EQ(readBytes(stream, 4), "WO22");
}

TEST_F(DataFileTest, EmptyEntryIsFoundButSizedLikeAMissingOne) {
    DataFileImage image;
    image.appendText("ZORHEAD");
    image.appendTrailer(image.appendDirectory({{"empty", 8, 0}}));
    ASSERT_EQ(open(image), RC_SUCCESS);
    EXPECT_EQ(dataFile.sizeOf("empty"), 0);
    EXPECT_EQ(dataFile.sizeOf("absent"), 0);
    EXPECT_NE(dataFile.find("empty"), nullptr);
    EXPECT_EQ(dataFile.find("absent"), nullptr);
}

// A 256-byte name with no NUL is followed in memory by the record's offset. With offset 0x61
// ('a', 0, 0, 0), a comparison that ran past the field would see a 257-letter name.
TEST_F(DataFileTest, UnterminatedRecordNameMatchesNothingAndIsNeverReadPast) {
    DataFileImage image;
    image.appendText("ZORHEAD");
    uint32_t data = image.append(std::string(0x61, 'x'));
    std::string fullField(256, 'a');
    image.appendTrailer(image.appendDirectory({{fullField, 0x61, 1}, {"after", data, 2}}));
    ASSERT_EQ(open(image), RC_SUCCESS);

    const std::string asked[] = {std::string(255, 'a'), std::string(256, 'a'),
                                 std::string(257, 'a'), std::string(256, 'A')};
    for (const std::string &name : asked) {
        EXPECT_EQ(dataFile.find(name.c_str()), nullptr) << name.size() << " letters";
        EXPECT_EQ(dataFile.sizeOf(name.c_str()), 0) << name.size() << " letters";
    }
    EXPECT_EQ(dataFile.sizeOf("after"), 2);
}

TEST_F(DataFileTest, LongestNameFillsTheFieldWithItsNul) {
    std::string longest(255, 'n');
    ASSERT_EQ(open(imageWithNames({longest})), RC_SUCCESS);
    EXPECT_EQ(dataFile.sizeOf(longest.c_str()), 1);
    EXPECT_EQ(dataFile.sizeOf((longest + "n").c_str()), 0);
}

TEST_F(DataFileTest, OffsetBeyondASignedSeekIsTreatedAsAbsent) {
    DataFileImage image;
    image.appendText("ZORHEAD");
    uint32_t data = image.append("DATA");
    image.appendTrailer(image.appendDirectory({{"good", data, 4}, {"far", 0x80000000u, 4}}));
    ASSERT_EQ(open(image), RC_SUCCESS);
    ASSERT_NE(dataFile.find("good"), nullptr);
    EXPECT_EQ(dataFile.find("far"), nullptr);
    EXPECT_EQ(ftell(dataFile.stream), 8L);
}

// A new DataFile and one closed after an open alike: no stream, no directory, nothing found.
TEST_F(DataFileTest, ClosedDataFileFindsNothing) {
    DataFile neverOpened;
    ASSERT_EQ(open(twoEntryImage()), RC_SUCCESS);
    dataFile.close();
    for (DataFile *closed : {&neverOpened, &dataFile}) {
        EXPECT_EQ(closed->stream, nullptr);
        EXPECT_EQ(closed->entries, nullptr);
        for (const char *name : {"ball.bmp", "one"}) {
            EXPECT_EQ(closed->find(name), nullptr) << name;
            EXPECT_EQ(closed->sizeOf(name), 0) << name;
        }
    }
}
