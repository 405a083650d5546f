// A start-up that cannot find or read its data file shows one message box, captioned "Error!",
// with the reason, and ends with exit code 0 once the user confirms it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoProcess.h"
#include "Keyboard.h"
#include "WorkFolder.h"

namespace {

constexpr DWORD BOX_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;

struct FailureCase {
    const char *name;
    // What the working directory holds as Varev1.WAD; null for no file at all.
    std::vector<char> (*dataFile)();
    const char *expectedText;
    // The program, its arguments and the class of the window that owns the box.
    const char *program = "Zorv2Demo.exe";
    const char *arguments = "";
    const char *ownerClass = DEMO_WINDOW_CLASS;
};

std::vector<char> realDataFile() {
    return readFile<std::vector<char>>(folderFromEnvironment("ZORV2_DEMO_DIR") + "\\Varev1.WAD");
}

std::vector<char> withHeaderNotEndedByNul() {
    std::vector<char> bytes = realDataFile();
    bytes[7] = 'X'; // the header magic must end in a NUL
    return bytes;
}

std::vector<char> withTrailerPointingAway() {
    std::vector<char> bytes = realDataFile();
    bytes[bytes.size() - 8] = 0; // the directory position now points into the entries
    bytes[bytes.size() - 7] = 0;
    bytes[bytes.size() - 6] = 0;
    bytes[bytes.size() - 5] = 0;
    return bytes;
}

std::vector<char> emptyFile() {
    return {};
}

const FailureCase failures[] = {
    {"NoDataFile", nullptr, "File not found!"},
    {"EmptyDataFile", emptyFile, "File header invalid or corrupt!"},
    {"BadHeader", withHeaderNotEndedByNul, "File header invalid or corrupt!"},
    {"BadDirectory", withTrailerPointingAway, "Data file directory missing or corrupt!"},
    // The box takes the activation from the screen saver's window, which must not end it.
    // A damaged file comes before the screen saver's own copy, and keeps its box.
    {"ScreenSaverBadHeader", withHeaderNotEndedByNul, "File header invalid or corrupt!",
     "Zorv2Demo.scr", "/s", "Zorv2 Demo screen saver"},
};

class StartupFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StartupFailure, ShowsOneMessageBoxAndEndsWithExitCodeZero) {
    const FailureCase &failure = GetParam();
    std::string folder = makeWorkFolder(failure.name);
    if (failure.dataFile) {
        writeFile(folder + "\\Varev1.WAD", failure.dataFile());
    }

    // A copy of the program with no data file beside it, so only the starting folder's counts.
    std::string program = folder + "\\" + failure.program;
    ASSERT_TRUE(
        CopyFileA((folderFromEnvironment("ZORV2_DEMO_DIR") + "\\" + failure.program).c_str(),
                  program.c_str(), FALSE));
    DemoProcess demo;
    ASSERT_TRUE(demo.startProgram(program, folder, failure.arguments));
    HWND box = demo.waitForWindowTitled("Error!", BOX_TIMEOUT_MS);
    ASSERT_NE(box, nullptr) << "no message box captioned \"Error!\"";
    // A second box, if the demo wrongly showed one, would be up by now; a box whose owner closed
    // would be gone, Wine's waits for the withdrawn windows included (docs/wine.md).
    Sleep(3000);
    EXPECT_EQ(countWindowsTitled(demo.processId(), "Error!"), 1);
    EXPECT_EQ(messageBoxText(box), failure.expectedText);
    EXPECT_EQ(GetWindow(box, GW_OWNER), FindWindowA(failure.ownerClass, nullptr))
        << "the message box is owned by the demo's window";

    pressKey(box, VK_RETURN);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode)) << "the demo went on after the box";
    EXPECT_EQ(exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(DataFile, StartupFailure, ::testing::ValuesIn(failures),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
