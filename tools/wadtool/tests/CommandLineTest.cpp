// wadtool as the build runs it: a process with arguments, an exit status, and one line on
// stderr for each failure.
#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "HostFiles.h"

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

class CommandLineTest : public HostFilesTest {
  protected:
    // Runs wadtool with arguments (already quoted for the shell) and collects its results.
    ToolRun wadtool(const std::string &arguments) {
        std::string command = std::string(WADTOOL_PATH) + " " + arguments + " >" + at("stdout") +
                              " 2>" + at("stderr");
        int raw = system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(at("stdout")),
                readFile(at("stderr"))};
    }
};

// The number of lines in text.
size_t lineCount(const std::string &text) {
    size_t lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    return lines;
}

} // namespace

TEST_F(CommandLineTest, HelpGoesToStdoutAndSucceeds) {
    ToolRun run = wadtool("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: wadtool", 0), 0u) << run.out;
    for (const char *command : {"pack OUT", "list FILE", "extract FILE NAME", "verify FILE"}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
    }
    EXPECT_EQ(run.err, "");
}

TEST_F(CommandLineTest, WrongCommandLinesFailWithOneLine) {
    const char *cases[] = {"", "unpack x", "pack", "list", "list a b", "extract a", "verify"};
    for (const char *arguments : cases) {
        ToolRun run = wadtool(arguments);
        EXPECT_EQ(run.status, 2) << '"' << arguments << '"';
        EXPECT_EQ(run.err.rfind("wadtool: ", 0), 0u) << run.err;
        EXPECT_EQ(lineCount(run.err), 1u) << run.err;
        EXPECT_EQ(run.out, "") << '"' << arguments << '"';
    }
}

TEST_F(CommandLineTest, PackListExtractVerifyRoundTrip) {
    writeFile(at("ball.bin"), "BM ball");
    writeFile(at("tune.bin"), std::string("MThd\0\r\n", 7));
    ToolRun pack =
        wadtool("pack " + at("out.wad") + " " + at("ball.bin") + " Zorvd.mid=" + at("tune.bin"));
    ASSERT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(pack.out + pack.err, "");

    ToolRun list = wadtool("list " + at("out.wad"));
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "ball.bin\t8\t7\nZorvd.mid\t15\t7\n");

    ToolRun extract = wadtool("extract " + at("out.wad") + " zorvd.MID " + at("copy.mid"));
    EXPECT_EQ(extract.status, 0) << extract.err;
    EXPECT_EQ(readFile(at("copy.mid")), std::string("MThd\0\r\n", 7));

    ToolRun verify = wadtool("verify " + at("out.wad"));
    EXPECT_EQ(verify.status, 0) << verify.err;
    EXPECT_EQ(verify.out, at("out.wad") + ": OK\n");
}

TEST_F(CommandLineTest, ExtractWithoutOutWritesTheEntryNameHere) {
    writeFile(at("star.bmp"), "BM star");
    ASSERT_EQ(wadtool("pack " + at("out.wad") + " " + at("star.bmp")).status, 0);
    std::string command =
        "cd " + folder + " && " + std::string(WADTOOL_PATH) + " extract out.wad STAR.BMP";
    ASSERT_EQ(system(command.c_str()), 0);
    EXPECT_EQ(readFile(at("STAR.BMP")), "BM star");
}

TEST_F(CommandLineTest, FailuresExitNonZeroWithOneLine) {
    writeFile(at("a"), "A");
    ASSERT_EQ(wadtool("pack " + at("out.wad") + " " + at("a")).status, 0);
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"pack " + at("new.wad") + " " + at("missing"),
         "wadtool: " + at("missing") + ": cannot open for reading\n"},
        {"pack " + at("new.wad") + " " + at("a") + " A=" + at("a"),
         "wadtool: duplicate entry name: a and A\n"},
        {"list " + at("missing.wad"), "wadtool: " + at("missing.wad") + ": File not found!\n"},
        {"extract " + at("out.wad") + " b " + at("b"),
         "wadtool: " + at("out.wad") + ": no entry named b\n"},
        {"verify " + at("a"), "wadtool: " + at("a") + ": File header invalid or corrupt!\n"},
    };
    for (const Case &c : cases) {
        ToolRun run = wadtool(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(run.err, c.message) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    EXPECT_FALSE(fileExists(at("new.wad")));
}
