// The running demo as a user sees it: the scene moving in the window, the frame rate at the
// top-left, and the tune copied out to the temporary folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DemoProcess.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"
#include "WorkFolder.h"
#include "datafile/DataFile.h"
#include "support/WideText.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
// A second start hands over and ends at once, without a window of its own.
constexpr DWORD SECOND_START_TIMEOUT_MS = 2000;
// How long the picture may take to move on, and for the logo to enter: on a slow drawing path
// on a busy machine the demo may show only a few frames a second.
constexpr DWORD MOVE_TIMEOUT_MS = 5000;
constexpr DWORD MOVE_POLL_MS = 300;
constexpr DWORD LOGO_TIMEOUT_MS = 30000;
constexpr DWORD LOGO_POLL_MS = 500;
// Warm pixels that show the logo well inside the window.
constexpr int LOGO_PIXELS = 500;
// How many times to look for a moving picture after the window shows; each look takes 300 ms.
constexpr int START_ATTEMPTS = 20;

// True once the picture in the window moves, within a bound. The window shows before the
// start-up has copied the tune and built the display; the scene moves only after both.
bool sceneRuns(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    bool moving = false;
    for (int attempt = 0; attempt < START_ATTEMPTS && !moving; ++attempt) {
        moving = pictureMoves(rect);
    }
    return moving;
}

// Starts the demo beside its data file and, after the test, ends it with Escape.
class RunningDemo : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
        window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(sceneRuns(window)) << "the scene is not running";
    }

    void TearDown() override {
        if (!window) {
            return;
        }
        pressKey(window, VK_ESCAPE);
        DWORD exitCode = 0xDEAD;
        ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    Capture captureWindow() {
        RECT rect;
        GetWindowRect(window, &rect);
        return captureScreen(rect);
    }

    DemoProcess demo;
    HWND window = nullptr;
};

bool lit(int red, int green, int blue) {
    return red || green || blue;
}
// The logo's letters are golden and red; nothing else in the scene is.
bool logoWarm(int red, int, int blue) {
    return red > 150 && blue < 110;
}

TEST_F(RunningDemo, ShowsTheMovingSceneAndItsFrameRate) {
    Sleep(3500); // the rate is first measured over a full second after the start
    const RECT logoBand = {0, 190, 640, 290};
    // The logo enters one pixel a frame.
    Capture first = captureWindow();
    for (DWORD waited = 0;
         countPixels(first, logoBand, logoWarm) <= LOGO_PIXELS && waited < LOGO_TIMEOUT_MS;
         waited += LOGO_POLL_MS) {
        Sleep(LOGO_POLL_MS);
        first = captureWindow();
    }
    Capture second = first;
    for (DWORD waited = 0; second.pixels == first.pixels && waited < MOVE_TIMEOUT_MS;
         waited += MOVE_POLL_MS) {
        Sleep(MOVE_POLL_MS);
        second = captureWindow();
    }
    std::string folder = makeWorkFolder("RunningDemo");
    saveBmp(first, folder + "\\first.bmp");
    saveBmp(second, folder + "\\second.bmp");

    int rate = readFrameRate(first);
    // The display keeps its pace near the refresh rate: tens of frames, not hundreds. On a busy
    // machine Wine's default (OpenGL) drawing path can fall below this; run it on a quiet one.
    EXPECT_GE(rate, 30) << "Frame Rate text not found or too slow; see " << folder;
    EXPECT_LE(rate, 90);

    EXPECT_NE(first.pixels, second.pixels) << "the picture did not move";
    const RECT whole = {0, 0, 640, 480};
    int litPixels = countPixels(first, whole, lit);
    EXPECT_GT(litPixels, 2000) << "stars, balls and logo should light a good part of the screen";
    EXPECT_LT(litPixels, 640 * 480 / 2) << "the background is black";
    // Three 32 x 32 balls, even if two happen to overlap.
    EXPECT_GT(countPixels(first, whole, ballBlue), 800) << "the balls are missing";
    // The logo passes through the band around the middle row.
    EXPECT_GT(countPixels(first, logoBand, logoWarm), LOGO_PIXELS) << "the logo is missing";
    EXPECT_EQ(countPixels(first, {0, 0, 640, 190}, logoWarm), 0) << "the logo strays";
}

// The bytes of the tune entry, read with the demo's own reader from the demo's data file.
std::vector<char> tuneEntry() {
    DataFile wad;
    std::string wadPath = folderFromEnvironment("ZORV2_DEMO_DIR") + "\\Varev1.WAD";
    std::vector<char> entry;
    if (wad.open(wadPath.c_str()) != RC_SUCCESS || wad.sizeOf("Zorvd.mid") <= 0) {
        return entry;
    }
    entry.resize(static_cast<size_t>(wad.sizeOf("Zorvd.mid")));
    FILE *stream = wad.find("Zorvd.mid");
    if (fread(entry.data(), 1, entry.size(), stream) != entry.size()) {
        entry.clear();
    }
    wad.close();
    return entry;
}

TEST_F(RunningDemo, CopiesTheTuneToTheTemporaryFolderByteForByte) {
    std::vector<char> entry = tuneEntry();
    ASSERT_FALSE(entry.empty());
    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    EXPECT_EQ(readFile<std::vector<char>>(std::string(temporary) + "Zorvd.mid"), entry);
}

// Sets TMP and TEMP (folder in UTF-8) for the processes this one starts, as a user's profile
// does, and puts the old values back after.
class TemporaryFolderOverride {
  public:
    explicit TemporaryFolderOverride(const std::string &folder) {
        for (int i = 0; i < 2; ++i) {
            wchar_t value[MAX_PATH] = {};
            had[i] = GetEnvironmentVariableW(NAMES[i], value, MAX_PATH) > 0;
            old[i] = value;
            SetEnvironmentVariableW(NAMES[i], wideText(folder).c_str());
        }
    }
    ~TemporaryFolderOverride() {
        for (int i = 0; i < 2; ++i) {
            SetEnvironmentVariableW(NAMES[i], had[i] ? old[i].c_str() : nullptr);
        }
    }

  private:
    static constexpr const wchar_t *NAMES[2] = {L"TMP", L"TEMP"};
    bool had[2];
    std::wstring old[2];
};

// A user whose name is outside the ANSI code page and holds spaces starts the demo from a
// shortcut with another starting folder, then starts it again while it runs, minimised.
TEST(RunningDemoElsewhere, StartsForAnyUserFromAnyFolderAndOnlyOnce) {
    std::string temporary = makeWorkFolder(u8"Пользователь Анна Temp");
    std::string elsewhere = makeWorkFolder("Elsewhere");
    TemporaryFolderOverride override(temporary);
    DemoProcess demo;
    ASSERT_TRUE(demo.start(elsewhere));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(sceneRuns(window)) << "the scene is not running";
    EXPECT_EQ(countWindowsTitled(demo.processId(), "Error!"), 0);
    std::vector<char> entry = tuneEntry();
    ASSERT_FALSE(entry.empty());
    EXPECT_TRUE(readFileAt(wideText(temporary + "\\Zorvd.mid")) ==
                std::string(entry.begin(), entry.end()))
        << "the tune's copy differs from the entry";

    ShowWindow(window, SW_MINIMIZE);
    DemoProcess second;
    ASSERT_TRUE(second.start(elsewhere));
    DWORD secondExit = 0xDEAD;
    EXPECT_TRUE(second.waitForExit(SECOND_START_TIMEOUT_MS, secondExit))
        << "the second start did not end within " << SECOND_START_TIMEOUT_MS << " ms";
    EXPECT_EQ(secondExit, 0u);
    EXPECT_EQ(countWindowsTitled(second.processId(), DEMO_WINDOW_CLASS), 0);
    EXPECT_EQ(countWindowsTitled(second.processId(), "Error!"), 0);
    EXPECT_FALSE(IsIconic(window)) << "the running demo was not restored";
    EXPECT_EQ(GetForegroundWindow(), window) << "the running demo is not in front";
    EXPECT_TRUE(sceneRuns(window)) << "the running demo stopped drawing";

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
