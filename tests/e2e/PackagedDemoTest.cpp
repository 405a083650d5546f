// The build's release zip, unpacked into an empty folder, is all a user needs: the demo runs from
// there and ends on Escape, and every version it carries agrees with the zip's name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "DemoProcess.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD FRAME_RATE_TIMEOUT_MS = 10000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD TOOL_TIMEOUT_MS = 20000;
constexpr const char *PACKAGE_PREFIX = "Zorv2Demo-";
// Each build runs its own zip: the x86_64 build's is named win64, the i686 build's win32.
#if defined(_WIN64)
constexpr const char *PACKAGE_SUFFIX = "-win64";
#else
constexpr const char *PACKAGE_SUFFIX = "-win32";
#endif
// The string table the resource script writes: US English, Windows Latin-1.
constexpr const char *STRING_TABLE = "\\StringFileInfo\\040904E4\\";

// The folder of the unpacked zip, handed over by the e2e_package test.
class PackagedDemo : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::getenv("ZORV2_PACKAGE_DIR")) {
            GTEST_SKIP() << "needs the unpacked zip; ctest's e2e_package runs this";
        }
        folder = folderFromEnvironment("ZORV2_PACKAGE_DIR");
    }

    std::string folder;
};

// The frame rate the window shows, polled until it reads above 0 or timeoutMs has passed.
int waitForFrameRate(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    int rate = -1;
    while (rate <= 0 && GetTickCount() - start < timeoutMs) {
        Sleep(250);
        RECT rect;
        GetWindowRect(window, &rect);
        rate = readFrameRate(captureScreen(rect));
    }
    return rate;
}

// The version in the folder's name, which is the zip's: Zorv2Demo-<version>-win64 (or -win32).
std::string versionInFolderName(const std::string &folder) {
    std::string name = folder.substr(folder.find_last_of('\\') + 1);
    std::string prefix = PACKAGE_PREFIX, suffix = PACKAGE_SUFFIX;
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix)) {
        return "";
    }
    return name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
}

// The whole VERSIONINFO block of program; empty when it has none.
std::vector<char> versionInfoOf(const std::string &program) {
    DWORD size = GetFileVersionInfoSizeA(program.c_str(), nullptr);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(program.c_str(), 0, size, block.data())) {
        block.clear();
    }
    return block;
}

// One value of the block's string table; empty when it is missing.
std::string versionText(const std::vector<char> &block, const char *name) {
    char *value = nullptr;
    UINT length = 0;
    std::string key = std::string(STRING_TABLE) + name;
    if (block.empty() ||
        !VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void **>(&value), &length)) {
        return "";
    }
    return std::string(value, length > 0 ? length - 1 : 0);
}

// A version held in two DWORDs, as "a.b.c.d".
std::string dottedVersion(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

// The block's numeric file and product versions, as "a.b.c.d / a.b.c.d".
std::string fixedVersions(const std::vector<char> &block) {
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&fixed), &length)) {
        return "";
    }
    return dottedVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS) + " / " +
           dottedVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
}

// Runs commandLine in folder and returns what it wrote to its standard output, line ends
// trimmed; exitCode gets its exit code (0xDEAD when it did not end in time).
std::string outputOf(const std::string &commandLine, const std::string &folder, DWORD &exitCode) {
    exitCode = 0xDEAD;
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return "";
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, folder.c_str(), &startup, &process);
    CloseHandle(writeEnd); // the child holds its own copy; the pipe ends when the child ends
    std::string output;
    char chunk[256];
    DWORD read = 0;
    while (started && ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        output.append(chunk, read);
    }
    CloseHandle(readEnd);
    if (started) {
        if (WaitForSingleObject(process.hProcess, TOOL_TIMEOUT_MS) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &exitCode);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) {
        output.pop_back();
    }
    return output;
}

TEST_F(PackagedDemo, RunsFromItsOwnFolderAndEndsOnEscape) {
    DemoProcess demo;
    ASSERT_TRUE(demo.startProgram(folder + "\\Zorv2Demo.exe", folder));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr) << "no window of class \"" << DEMO_WINDOW_CLASS << "\"";

    // The window shows before the start-up reads the data file: frames prove it found it all.
    EXPECT_GT(waitForFrameRate(window, FRAME_RATE_TIMEOUT_MS), 0) << "the scene never ran";
    EXPECT_EQ(countWindowsTitled(demo.processId(), "Error!"), 0);

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode)) << "the demo did not end on Escape";
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(PackagedDemo, VersionsAgreeWithTheZipName) {
    std::string version = versionInFolderName(folder);
    ASSERT_NE(version, "") << folder << " is not named " << PACKAGE_PREFIX << "<version>"
                           << PACKAGE_SUFFIX;

    std::vector<char> block = versionInfoOf(folder + "\\Zorv2Demo.exe");
    ASSERT_FALSE(block.empty()) << "Zorv2Demo.exe has no VERSIONINFO";
    EXPECT_EQ(versionText(block, "FileVersion"), version);
    EXPECT_EQ(versionText(block, "ProductVersion"), version);
    EXPECT_EQ(fixedVersions(block), version + ".0 / " + version + ".0");

    DWORD exitCode = 0xDEAD;
    EXPECT_EQ(outputOf("\"" + folder + "\\wadtool.exe\" --version", folder, exitCode),
              "wadtool " + version);
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
