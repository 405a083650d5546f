// wadtool list, extract and verify, on packed data files and on deliberately damaged ones.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFiles.h"
#include "wadtool.h"

namespace {

const std::string TUNE("MThd\0\0\0\x06\r\n\x1A\xFF", 12);

class InspectTest : public HostFilesTest {
  protected:
    std::string wad;

    // Packs ball.bmp (4 bytes), empty.bin (0 bytes) and Zorvd.mid into out.wad.
    void SetUp() override {
        HostFilesTest::SetUp();
        writeFile(at("ball.bmp"), "BALL");
        writeFile(at("empty.bin"), "");
        writeFile(at("Zorvd.mid"), TUNE);
        wad = at("out.wad");
        std::string error;
        ASSERT_TRUE(packDataFile(wad,
                                 {{"ball.bmp", at("ball.bmp")},
                                  {"empty.bin", at("empty.bin")},
                                  {"Zorvd.mid", at("Zorvd.mid")}},
                                 error))
            << error;
    }
    // Rewrites the data file after change has edited its bytes.
    template <typename Change> void damage(Change change) {
        std::string bytes = readFile(wad);
        change(bytes);
        writeFile(wad, bytes);
    }
    std::vector<std::string> verifyProblems() {
        std::vector<std::string> problems;
        EXPECT_FALSE(verifyDataFile(wad, problems));
        return problems;
    }
};

} // namespace

TEST_F(InspectTest, ListPrintsNameOffsetAndSizeInDirectoryOrder) {
    std::ostringstream out;
    std::string error;
    ASSERT_TRUE(listDataFile(wad, out, error)) << error;
    EXPECT_EQ(out.str(), "ball.bmp\t8\t4\nempty.bin\t12\t0\nZorvd.mid\t12\t12\n");
}

TEST_F(InspectTest, ListAndExtractReportTheReadersRefusal) {
    struct Case {
        const char *label;
        std::string content;
        const char *message;
    };
    const Case cases[] = {
        {"not a data file", "hello, world", "File header invalid or corrupt!"},
        {"empty file", "", "File header invalid or corrupt!"},
        {"header only", std::string("ZORHEAD\0", 8), "Data file directory missing or corrupt!"},
    };
    for (const Case &c : cases) {
        writeFile(wad, c.content);
        std::ostringstream out;
        std::string error;
        EXPECT_FALSE(listDataFile(wad, out, error)) << c.label;
        EXPECT_EQ(error, wad + ": " + c.message) << c.label;
        error.clear();
        EXPECT_FALSE(extractEntry(wad, "ball.bmp", at("x"), error)) << c.label;
        EXPECT_EQ(error, wad + ": " + c.message) << c.label;
    }
    std::string error;
    std::ostringstream out;
    EXPECT_FALSE(listDataFile(at("missing.wad"), out, error));
    EXPECT_EQ(error, at("missing.wad") + ": File not found!");
}

TEST_F(InspectTest, ExtractCopiesTheEntryAsTheDemoFindsIt) {
    std::string error;
    ASSERT_TRUE(extractEntry(wad, "ZORVD.MID", at("tune.mid"), error)) << error;
    EXPECT_EQ(readFile(at("tune.mid")), TUNE);
    ASSERT_TRUE(extractEntry(wad, "empty.bin", at("empty.out"), error)) << error;
    EXPECT_TRUE(fileExists(at("empty.out")));
    EXPECT_EQ(readFile(at("empty.out")), "");
}

TEST_F(InspectTest, ExtractRefusesMissingAndCutOffEntries) {
    std::string error;
    EXPECT_FALSE(extractEntry(wad, "star.bmp", at("star.bmp"), error));
    EXPECT_EQ(error, wad + ": no entry named star.bmp");
    EXPECT_FALSE(fileExists(at("star.bmp")));

    damage([](std::string &bytes) { putWord(bytes, recordPosition(bytes, 0) + 264, 0x10000); });
    error.clear();
    EXPECT_FALSE(extractEntry(wad, "ball.bmp", at("ball.out"), error));
    EXPECT_EQ(error, wad + ": entry ball.bmp runs past the end of the file");
    EXPECT_FALSE(fileExists(at("ball.out")));
}

TEST_F(InspectTest, VerifyAcceptsWhatPackWrites) {
    std::vector<std::string> problems;
    EXPECT_TRUE(verifyDataFile(wad, problems));
    EXPECT_TRUE(problems.empty());
}

TEST_F(InspectTest, VerifyReportsNamesWithoutTheirNul) {
    damage([](std::string &bytes) {
        bytes.replace(recordPosition(bytes, 1), 256, std::string(256, 'e'));
    });
    std::vector<std::string> problems = verifyProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              "record 1 (" + std::string(256, 'e') + "): name has no NUL in its field");
}

TEST_F(InspectTest, VerifyReportsRecordsOutsideTheFile) {
    struct Case {
        const char *label;
        uint32_t offset;
        uint32_t size;
        const char *problem;
    };
    const Case cases[] = {
        {"size past the end", 8, 0x1000, "data runs past the end of the file"},
        {"offset past the end", 0x100000, 0, "data runs past the end of the file"},
        {"offset beyond 2 GiB", 0x80000000u, 1, "offset or size beyond 2 GiB"},
        {"size beyond 2 GiB", 8, 0xFFFFFFFFu, "offset or size beyond 2 GiB"},
    };
    std::string original = readFile(wad);
    for (const Case &c : cases) {
        writeFile(wad, original);
        damage([&c](std::string &bytes) {
            putWord(bytes, recordPosition(bytes, 0) + 256, c.offset);
            putWord(bytes, recordPosition(bytes, 0) + 264, c.size);
        });
        std::vector<std::string> problems = verifyProblems();
        ASSERT_EQ(problems.size(), 1u) << c.label;
        EXPECT_EQ(problems[0], std::string("record 0 (ball.bmp): ") + c.problem) << c.label;
    }
}

TEST_F(InspectTest, VerifyReportsDuplicateNamesThatAreNeverFound) {
    damage([](std::string &bytes) {
        bytes.replace(recordPosition(bytes, 2), 10, std::string("BALL.BMP\0\0", 10));
    });
    std::vector<std::string> problems = verifyProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "record 2 (BALL.BMP): duplicate name of record 0 (ball.bmp), never "
                           "found");
}

TEST_F(InspectTest, VerifyReportsBrokenMagics) {
    damage([](std::string &bytes) { bytes[7] = 'X'; });
    EXPECT_EQ(verifyProblems(), std::vector<std::string>{"File header invalid or corrupt!"});
    damage([](std::string &bytes) {
        bytes[7] = '\0';
        putWord(bytes, bytes.size() - 8, 9);
    });
    EXPECT_EQ(verifyProblems(),
              std::vector<std::string>{"Data file directory missing or corrupt!"});
}
