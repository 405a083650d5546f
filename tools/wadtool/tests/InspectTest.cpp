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

    // Packs ball.bin (4 bytes), empty.bin (0 bytes) and Zorvd.mid into out.wad: no image, so
    // verify looks at the directory alone.
    void SetUp() override {
        HostFilesTest::SetUp();
        writeFile(at("ball.bin"), "BALL");
        writeFile(at("empty.bin"), "");
        writeFile(at("Zorvd.mid"), TUNE);
        wad = at("out.wad");
        std::string error;
        ASSERT_TRUE(packDataFile(wad,
                                 {{"ball.bin", at("ball.bin")},
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
    EXPECT_EQ(out.str(), "ball.bin\t8\t4\nempty.bin\t12\t0\nZorvd.mid\t12\t12\n");
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
        EXPECT_FALSE(extractEntry(wad, "ball.bin", at("x"), error)) << c.label;
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
    EXPECT_FALSE(extractEntry(wad, "ball.bin", at("ball.out"), error));
    EXPECT_EQ(error, wad + ": entry ball.bin runs past the end of the file");
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
        EXPECT_EQ(problems[0], std::string("record 0 (ball.bin): ") + c.problem) << c.label;
    }
}

TEST_F(InspectTest, VerifyReportsDuplicateNamesThatAreNeverFound) {
    damage([](std::string &bytes) {
        bytes.replace(recordPosition(bytes, 2), 10, std::string("BALL.BIN\0\0", 10));
    });
    std::vector<std::string> problems = verifyProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "record 2 (BALL.BIN): duplicate name of record 0 (ball.bin), never "
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

// A 2 x 2 8-bit BMP with its 256-entry colour table: 1078 bytes of headers, 8 of pixels.
std::string tinyBmp() {
    std::string bmp(1086, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putWord(bmp, 2, 1086);  // bfSize
    putWord(bmp, 10, 1078); // bfOffBits
    putWord(bmp, 14, 40);   // biSize
    putWord(bmp, 18, 2);    // biWidth
    putWord(bmp, 22, 2);    // biHeight
    bmp[26] = 1;            // biPlanes
    bmp[28] = 8;            // biBitCount
    return bmp;
}

// The demo's loader and bounds check, as verify applies them to each .bmp entry.
TEST_F(InspectTest, VerifySaysWhetherTheDemoLoadsAndDrawsEachBitmap) {
    struct Case {
        const char *label;
        size_t at;
        uint32_t value;
        const char *verdict;
    };
    const char *const loads = "the demo loads and draws it";
    const Case cases[] = {
        {"as made", 0, 0, loads},
        {"not BM", 0, 0x4141,
         "the demo will not load it (\"File is not BMP!\"): it does not "
         "begin with \"BM\""},
        {"bfSize near 4 GB", 2, 0xFFFFFF00u,
         "the demo will not load it (\"Bad image data!\"): the pixels at bfOffBits run past the "
         "end of the data file or beyond 2 GiB"},
        {"no pixels", 2, 1078,
         "the demo will not load it (\"Could not allocate memory for bitmap "
         "data!\"): bfSize is not above bfOffBits, so there are no pixels"},
        {"top-down", 22, 0xFFFFFFFEu,
         "the demo loads it but will not draw it: its width and height must be above 0 for a "
         "surface (a top-down image's height is negative)"},
        {"rows beyond the pixels", 22, 1000,
         "the demo loads it but will not draw it: its header asks for more colours or pixel "
         "rows than it holds, or a form GDI cannot size"},
        {"past its entry", 2, 1086 + 20,
         "the demo would read its pixels past the end of its entry, from whatever follows"},
    };
    for (const Case &c : cases) {
        std::string bmp = tinyBmp();
        if (c.value != 0) {
            if (c.at == 0) {
                bmp[0] = bmp[1] = 'A';
            } else {
                putWord(bmp, c.at, c.value);
            }
        }
        writeFile(at("image.bmp"), bmp);
        std::string error;
        ASSERT_TRUE(packDataFile(
            wad, {{"image.bmp", at("image.bmp")}, {"Zorvd.mid", at("Zorvd.mid")}}, error))
            << error;
        std::vector<std::string> problems, verdicts;
        bool verified = verifyDataFile(wad, problems, &verdicts);
        EXPECT_EQ(verified, c.verdict == loads) << c.label;
        EXPECT_EQ(verdicts, std::vector<std::string>{std::string("image.bmp: ") + c.verdict})
            << c.label;
    }
}
