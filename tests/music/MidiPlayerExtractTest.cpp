// MidiPlayer::extract: the path it builds, the bytes it copies, and its refusals, in a test
// folder that a stand-in GetTempPathW reports as the temporary directory.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "doubles/MciRecorder.h"
#include "support/TestFiles.h"
#include "music/MidiPlayer.h"
#include "support/WideText.h"

namespace {

const std::string PREFIX = "bytes of the entries before the tune";
const std::string TUNE("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x04\0\xFF\x2F\0\r\n\x1A", 30);

class MidiPlayerExtractTest : public ::testing::Test {
  protected:
    PlatformOverride calls;
    MidiPlayer player;
    std::string folder;     // the stand-in temporary directory, ending in a backslash
    std::string copyPath;   // where the copy of Zorvd.mid lands
    std::string sourcePath; // a data file holding PREFIX and then TUNE
    FILE *source = nullptr;

    void SetUp() override {
        char current[MAX_PATH];
        ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, current), 0u);
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = std::string(current) + "\\music_" + name + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        copyPath = folder + "\\Zorvd.mid";
        sourcePath = folder + "source.wad";
        ASSERT_TRUE(writeFile(sourcePath, PREFIX + TUNE));
        source = fopen(sourcePath.c_str(), "rb");
        ASSERT_NE(source, nullptr);
        ASSERT_EQ(fseek(source, static_cast<long>(PREFIX.size()), SEEK_SET), 0);
        FakeTempPath::install(calls, folder);
    }
    void TearDown() override {
        fclose(source);
        DeleteFileA(sourcePath.c_str());
        DeleteFileA(copyPath.c_str());
        RemoveDirectoryA(folder.c_str());
        free(player.tempPath);
    }
};

} // namespace

TEST_F(MidiPlayerExtractTest, CopiesExactlySizeBytesBehindTwoBackslashes) {
    ResultCode rc = player.extract("Zorvd.mid", source, static_cast<int32_t>(TUNE.size()));
    EXPECT_EQ(rc, RC_SUCCESS) << std::hex << "0x" << rc;
    ASSERT_NE(player.tempPath, nullptr);
    EXPECT_EQ(utf8Text(player.tempPath), folder + "\\Zorvd.mid");
    EXPECT_EQ(readFile(copyPath), TUNE);
    // The source is left open, just after the bytes it gave.
    EXPECT_EQ(ftell(source), static_cast<long>(PREFIX.size() + TUNE.size()));
}

TEST_F(MidiPlayerExtractTest, CopiesOnlyThePartOfTheSourceThatWasAsked) {
    ASSERT_EQ(player.extract("Zorvd.mid", source, 10), RC_SUCCESS);
    EXPECT_EQ(readFile(copyPath), TUNE.substr(0, 10));
    EXPECT_EQ(ftell(source), static_cast<long>(PREFIX.size() + 10));
}

TEST_F(MidiPlayerExtractTest, OldCopyIsTruncatedAndRewritten) {
    ASSERT_TRUE(writeFile(copyPath, std::string(1000, 'x')));
    ASSERT_EQ(player.extract("Zorvd.mid", source, static_cast<int32_t>(TUNE.size())), RC_SUCCESS);
    EXPECT_EQ(readFile(copyPath), TUNE);
}

TEST_F(MidiPlayerExtractTest, EmptyOrMissingEntryGivesAnEmptyCopy) {
    struct Case {
        const char *label;
        bool nullSource;
        int32_t size;
    };
    const Case cases[] = {
        {"entry of size 0", false, 0},
        {"negative size", false, -5},
        {"most negative size", false, INT32_MIN},
        {"missing entry", true, 0},
        // A null source with a positive size must not be read from.
        {"null source, positive size", true, 30},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(writeFile(copyPath, std::string("old copy")));
        FILE *from = c.nullSource ? nullptr : source;
        ResultCode rc = player.extract("Zorvd.mid", from, c.size);
        EXPECT_EQ(rc, RC_SUCCESS) << c.label << std::hex << ": 0x" << rc;
        EXPECT_TRUE(fileExists(copyPath)) << c.label;
        EXPECT_EQ(readFile(copyPath), "") << c.label;
        EXPECT_EQ(ftell(source), static_cast<long>(PREFIX.size())) << c.label << ": source moved";
    }
}

TEST_F(MidiPlayerExtractTest, SourceThatEndsEarlyCopiesOnlyWhatWasRead) {
    ResultCode rc = player.extract("Zorvd.mid", source, static_cast<int32_t>(TUNE.size() + 100));
    EXPECT_EQ(rc, RC_SUCCESS) << std::hex << "0x" << rc;
    EXPECT_EQ(readFile(copyPath), TUNE);
}

TEST_F(MidiPlayerExtractTest, FolderThatCannotTakeTheFileKeepsThePath) {
    FakeTempPath::install(calls, folder + "no such folder\\");
    ResultCode rc = player.extract("Zorvd.mid", source, 4);
    EXPECT_EQ(rc, RC_FILE_CREATE_FAILED) << std::hex << "0x" << rc;
    ASSERT_NE(player.tempPath, nullptr);
    EXPECT_EQ(utf8Text(player.tempPath), folder + "no such folder\\\\Zorvd.mid");
    EXPECT_EQ(ftell(source), static_cast<long>(PREFIX.size()));
}

// The directory, the extra backslash, the name and the terminator share 520 characters.
TEST_F(MidiPlayerExtractTest, PathOfMoreThan520CharactersIsRefusedUnwritten) {
    const std::string name = "Zorvd.mid";
    size_t roomForDirectory = 520 - 1 - name.size() - 1;
    struct Case {
        size_t directoryLength;
        bool fits;
    };
    for (Case c : {Case{roomForDirectory, true}, Case{roomForDirectory + 1, false},
                   Case{518, false}, Case{519, false}}) {
        free(player.tempPath);
        player.tempPath = nullptr;
        // A folder that does not exist: a path that fits is then still refused by the open.
        std::string directory = "Z:\\" + std::string(c.directoryLength - 4, 'd') + "\\";
        FakeTempPath::install(calls, directory);
        ResultCode rc = player.extract(name.c_str(), source, 4);
        EXPECT_EQ(rc, RC_FILE_CREATE_FAILED) << c.directoryLength << std::hex << ": 0x" << rc;
        if (c.fits) {
            ASSERT_NE(player.tempPath, nullptr) << c.directoryLength;
            EXPECT_EQ(utf8Text(player.tempPath), directory + "\\" + name);
            EXPECT_EQ(wcslen(player.tempPath), 519u);
        } else {
            EXPECT_EQ(player.tempPath, nullptr) << c.directoryLength;
        }
    }
}

TEST_F(MidiPlayerExtractTest, NoTemporaryDirectoryIsRefused) {
    struct Case {
        const char *label;
        DWORD reported;
    };
    // 0 is failure; 600 means the directory needs a larger buffer and was not written.
    for (Case c : {Case{"failure", 0}, Case{"needs a larger buffer", 600},
                   Case{"exactly the capacity", 520}}) {
        FakeTempPath::reportLength = false;
        FakeTempPath::reported = c.reported;
        ResultCode rc = player.extract("Zorvd.mid", source, 4);
        EXPECT_EQ(rc, RC_FILE_CREATE_FAILED) << c.label << std::hex << ": 0x" << rc;
        EXPECT_EQ(player.tempPath, nullptr) << c.label;
    }
}

// NOTE: Wine maps drive Z: to the root of the host, and the host's /dev/full refuses every
// write, which is how a full disk is simulated here.
TEST_F(MidiPlayerExtractTest, FailedWriteIsNotReportedAsSuccess) {
    // NOTE: some Wine set-ups let writes to the device succeed; then no full disk can be shown.
    FILE *probe = fopen("Z:\\dev\\full", "wb");
    if (probe == nullptr) {
        GTEST_SKIP() << "no Z:\\dev\\full to write to";
    }
    bool deviceRefusesWrites = fputc('x', probe) == EOF || fflush(probe) != 0;
    fclose(probe);
    if (!deviceRefusesWrites) {
        GTEST_SKIP() << "Z:\\dev\\full accepted a write here";
    }
    FakeTempPath::install(calls, "Z:\\dev\\");
    ResultCode rc = player.extract("full", source, static_cast<int32_t>(TUNE.size()));
    EXPECT_EQ(rc, RC_FILE_CREATE_FAILED) << std::hex << "0x" << rc;
}
