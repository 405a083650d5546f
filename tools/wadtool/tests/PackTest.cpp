// wadtool pack: the exact layout it writes, that the demo's reader reads every entry back byte
// for byte, how entries are named, and what it refuses.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFiles.h"
#include "datafile/DataFile.h"
#include "wadtool.h"

namespace {

class PackTest : public HostFilesTest {
  protected:
    // Writes each content to a file of its own and packs them, named name0, name1, ...
    bool packContents(const std::vector<std::string> &contents, std::string &error) {
        std::vector<PackInput> inputs;
        for (size_t i = 0; i < contents.size(); ++i) {
            std::string path = at("input" + std::to_string(i));
            writeFile(path, contents[i]);
            inputs.push_back({"name" + std::to_string(i), path});
        }
        return packDataFile(at("out.wad"), inputs, error);
    }
};

// Bytes no text mode would carry unchanged: NUL, CR, LF, Ctrl-Z and the top half.
std::string awkwardBytes(size_t length) {
    std::string bytes;
    const char pattern[] = {'\0', '\r', '\n', '\x1A', '\xFF', '\x80', 'A'};
    for (size_t i = 0; i < length; ++i) {
        bytes.push_back(pattern[i % sizeof(pattern)]);
    }
    return bytes;
}

} // namespace

TEST_F(PackTest, WritesHeaderEntriesDirectoryAndTrailer) {
    std::string error;
    ASSERT_TRUE(packContents({"abc", "", "DEFGH"}, error)) << error;
    std::string bytes = readFile(at("out.wad"));

    ASSERT_EQ(bytes.size(), 8u + 8 + 7 + 4 + 3 * 272 + 8);
    EXPECT_EQ(bytes.substr(0, 8), std::string("ZORHEAD\0", 8));
    EXPECT_EQ(bytes.substr(8, 8), "abcDEFGH");
    const size_t directory = 16;
    EXPECT_EQ(bytes.substr(directory, 7), std::string("ZORDIR\0", 7));
    EXPECT_EQ(littleEndianAt(bytes, directory + 7), 3u);

    const uint32_t offsets[] = {8, 11, 11};
    const uint32_t sizes[] = {3, 0, 5};
    for (uint32_t i = 0; i < 3; ++i) {
        size_t record = directory + 11 + 272 * i;
        std::string name = "name" + std::to_string(i);
        EXPECT_EQ(bytes.substr(record, 256), name + std::string(256 - name.size(), '\0'));
        EXPECT_EQ(littleEndianAt(bytes, record + 256), offsets[i]) << "record " << i;
        EXPECT_EQ(littleEndianAt(bytes, record + 260), 0u) << "reserved, record " << i;
        EXPECT_EQ(littleEndianAt(bytes, record + 264), sizes[i]) << "record " << i;
        EXPECT_EQ(littleEndianAt(bytes, record + 268), 0u) << "reserved, record " << i;
    }
    EXPECT_EQ(littleEndianAt(bytes, bytes.size() - 8), directory);
    EXPECT_EQ(littleEndianAt(bytes, bytes.size() - 4), 0u);
}

TEST_F(PackTest, ReaderReadsEveryEntryBackByteForByte) {
    const std::vector<std::vector<std::string>> sets = {
        {},
        {""},
        {"x"},
        {awkwardBytes(1000), "", awkwardBytes(7)},
        {awkwardBytes(300000), awkwardBytes(65537), std::string(5, '\0')},
    };
    for (size_t set = 0; set < sets.size(); ++set) {
        std::string error;
        ASSERT_TRUE(packContents(sets[set], error)) << error;
        DataFile dataFile;
        ASSERT_EQ(dataFile.open(at("out.wad").c_str()), RC_SUCCESS) << "set " << set;
        ASSERT_EQ(dataFile.entryCount, sets[set].size()) << "set " << set;
        for (size_t i = 0; i < sets[set].size(); ++i) {
            std::string name = "NAME" + std::to_string(i);
            int32_t size = dataFile.sizeOf(name.c_str());
            ASSERT_EQ(size_t(size), sets[set][i].size()) << "set " << set << ", entry " << i;
            FILE *stream = dataFile.find(name.c_str());
            ASSERT_NE(stream, nullptr) << "set " << set << ", entry " << i;
            std::string read(size, '\0');
            ASSERT_EQ(fread(&read[0], 1, size, stream), size_t(size));
            EXPECT_TRUE(read == sets[set][i]) << "set " << set << ", entry " << i;
        }
        dataFile.close();
    }
}

TEST(PackArgumentTest, NameIsTheBaseNameUnlessGiven) {
    struct Case {
        const char *argument;
        const char *name;
        const char *path;
    };
    const Case cases[] = {
        {"ball.bmp", "ball.bmp", "ball.bmp"},
        {"assets/ball.bmp", "ball.bmp", "assets/ball.bmp"},
        {"/work/main/assets/Zorvd.mid", "Zorvd.mid", "/work/main/assets/Zorvd.mid"},
        {"C:\\assets\\logo.bmp", "logo.bmp", "C:\\assets\\logo.bmp"},
        {"Zorvd.mid=tune/v2.mid", "Zorvd.mid", "tune/v2.mid"},
        {"a=b=c", "a", "b=c"},
        // An '=' inside a directory name is part of the path.
        {"build/x=1/star.bmp", "star.bmp", "build/x=1/star.bmp"},
        {"=empty", "", "empty"},
    };
    for (const Case &c : cases) {
        PackInput input = parsePackArgument(c.argument);
        EXPECT_EQ(input.name, c.name) << c.argument;
        EXPECT_EQ(input.path, c.path) << c.argument;
    }
}

TEST_F(PackTest, RefusesNamesTheReaderCannotTellApartOrHold) {
    writeFile(at("a"), "A");
    writeFile(at("b"), "B");
    struct Case {
        const char *label;
        std::vector<PackInput> inputs;
        bool packs;
    };
    const std::vector<Case> cases = {
        {"distinct", {{"ball.bmp", at("a")}, {"star.bmp", at("b")}}, true},
        {"same name", {{"ball.bmp", at("a")}, {"ball.bmp", at("b")}}, false},
        {"same name, other case", {{"ball.bmp", at("a")}, {"BALL.BMP", at("b")}}, false},
        {"trailing blank", {{"ball.bmp", at("a")}, {"ball.bmp ", at("b")}}, true},
        {"empty name", {{"", at("a")}}, false},
        {"255 bytes", {{std::string(255, 'n'), at("a")}}, true},
        {"256 bytes", {{std::string(256, 'n'), at("a")}}, false},
    };
    for (const Case &c : cases) {
        std::string error;
        EXPECT_EQ(packDataFile(at("out.wad"), c.inputs, error), c.packs) << c.label;
        EXPECT_EQ(error.empty(), c.packs) << c.label << ": " << error;
    }
}

TEST_F(PackTest, FailureLeavesAnExistingDataFileAlone) {
    writeFile(at("out.wad"), "the old data file");
    writeFile(at("a"), "A");
    std::string error;
    EXPECT_FALSE(packDataFile(at("out.wad"), {{"a", at("a")}, {"b", at("missing")}}, error));
    EXPECT_NE(error.find(at("missing")), std::string::npos) << error;
    EXPECT_EQ(readFile(at("out.wad")), "the old data file");
    EXPECT_FALSE(fileExists(at("out.wad.partial")));
}

// The new file is written beside the old one as OUT.partial; pointing that name at /dev/full
// puts it on a device that refuses every write, as a full disk does.
TEST_F(PackTest, FullDiskLeavesTheOldDataFileWhole) {
    std::error_code noFullDevice;
    std::filesystem::create_symlink("/dev/full", at("out.wad.partial"), noFullDevice);
    if (noFullDevice || !std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full to write to";
    }
    writeFile(at("out.wad"), "the old data file");
    std::string error;
    EXPECT_FALSE(packContents({awkwardBytes(100000)}, error));
    EXPECT_EQ(error, at("out.wad") + ": cannot write");
    EXPECT_EQ(readFile(at("out.wad")), "the old data file");
}

TEST_F(PackTest, ReplacesAnExistingDataFile) {
    writeFile(at("out.wad"), std::string(5000, 'o'));
    std::string error;
    ASSERT_TRUE(packContents({"new"}, error)) << error;
    EXPECT_EQ(readFile(at("out.wad")).substr(8, 3), "new");
    EXPECT_EQ(readFile(at("out.wad")).size(), 8u + 3 + 11 + 272 + 8);
}
