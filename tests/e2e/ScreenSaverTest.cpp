// The screen saver, Zorv2Demo.scr, started as Windows starts it: /s over the whole screen until
// a key or a real move of the mouse, /p inside a window of another program until that window
// goes, /c with its one setting, which the next /s obeys.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "DemoProcess.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"
#include "WorkFolder.h"
#include "resources/resourceIds.h"
#include "support/WideText.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD SECOND_START_TIMEOUT_MS = 5000;
constexpr DWORD TUNE_TIMEOUT_MS = 20000;
constexpr DWORD POLL_MS = 100;
// How long the screen saver must go on running after a move it should ignore.
constexpr DWORD STILL_RUNNING_MS = 1500;
constexpr int START_ATTEMPTS = 30;
const char *const SCREEN_SAVER_TITLE = "Zorv2 Demo";
const char *const SETTINGS_TITLE = "Zorv2 Demo screen saver";
const char *const SETTINGS_KEY = "Software\\Zorv2\\Zorv2 Demo";
// The 640 x 480 picture, 1x and centred on the 1024 x 768 screen.
const RECT SCREEN = {0, 0, 1024, 768};
const RECT PICTURE = {192, 144, 832, 624};
// Where the pointer rests when a screen saver starts.
const POINT POINTER_HOME = {600, 500};

// Lets the windows of this thread (the probe) answer their messages for ms milliseconds.
void pumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

// True once the picture in rect moves, within a bound; the probe answers its messages meanwhile.
bool pictureRunsIn(const RECT &rect) {
    Capture before = captureScreen(rect);
    for (int attempt = 0; attempt < START_ATTEMPTS; ++attempt) {
        pumpMessages(300);
        Capture now = captureScreen(rect);
        if (now.pixels != before.pixels) {
            return true;
        }
        before = now;
    }
    return false;
}

// Moves the pointer to point on the screen through the system's input queue, as a mouse does.
void movePointerTo(POINT point) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = point.x * 65535 / (SCREEN.right - 1);
    input.mi.dy = point.y * 65535 / (SCREEN.bottom - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(100);
}

std::string screenSaverPath() {
    return folderFromEnvironment("ZORV2_DEMO_DIR") + "\\Zorv2Demo.scr";
}

// A top-level window of this test: a preview's host or the settings' owner.
HWND createProbeWindow() {
    return CreateWindowExA(0, "STATIC", "probe", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                           320, 240, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string windowNumber(HWND window) {
    return std::to_string(reinterpret_cast<uintptr_t>(window));
}

// The tune setting as the registry holds it: 0 or 1, or -1 when there is none.
long tuneSetting() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, SETTINGS_KEY, "PlayTune", RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return -1;
    }
    return static_cast<long>(value);
}

// True when the file at path is held open by a reader that lets no one write to it, as the MCI
// sequencer holds the tune it opened.
bool heldOpenAgainstWriting(const std::string &path) {
    HANDLE file = CreateFileW(wideText(path).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

// Each case starts without the setting, from a folder without the data file (Windows starts a
// screen saver from its system folder), with a temporary folder of its own.
class ScreenSaver : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteKeyValueA(HKEY_CURRENT_USER, SETTINGS_KEY, "PlayTune"); }
    void TearDown() override { RegDeleteKeyValueA(HKEY_CURRENT_USER, SETTINGS_KEY, "PlayTune"); }

    // Starts the screen saver with arguments from the starting folder.
    bool start(DemoProcess &process, const std::string &arguments) {
        return process.startProgram(screenSaverPath(), startingFolder, arguments);
    }

    // Starts /s with the pointer at its home and waits until it covers the screen and draws.
    HWND startFullScreen() {
        movePointerTo(POINTER_HOME);
        EXPECT_TRUE(start(saver, "/s"));
        HWND window = saver.waitForWindowTitled(SCREEN_SAVER_TITLE, WINDOW_TIMEOUT_MS);
        EXPECT_NE(window, nullptr) << "no window titled " << SCREEN_SAVER_TITLE;
        if (window) {
            EXPECT_TRUE(pictureRunsIn(PICTURE)) << "the scene does not run";
        }
        return window;
    }

    void expectExitWithZero(const char *cause) {
        DWORD exitCode = 0xDEAD;
        ASSERT_TRUE(saver.waitForExit(EXIT_TIMEOUT_MS, exitCode)) << "it did not end on " << cause;
        EXPECT_EQ(exitCode, 0u);
    }

    std::string startingFolder = makeWorkFolder("ScreenSaverStart");
    std::string temporary = makeWorkFolder("ScreenSaverTemp");
    TemporaryFolderOverride temporaryOverride{temporary};
    DemoProcess saver;
};

TEST_F(ScreenSaver, CoversTheScreenWithThePictureCentredSilentAndOnceAndEndsOnAKey) {
    HWND window = startFullScreen();
    ASSERT_NE(window, nullptr);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_TRUE(EqualRect(&rect, &SCREEN))
        << rect.left << "," << rect.top << " " << rect.right << "," << rect.bottom;
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);

    Sleep(1500); // the read-out shows a rate after its first full second
    Capture screen = captureScreen(SCREEN);
    Capture picture = captureScreen(PICTURE);
    std::string folder = makeWorkFolder("ScreenSaver");
    saveBmp(screen, folder + "\\screen.bmp");
    int litOutside = 0, litInside = 0;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            bool inside =
                x >= PICTURE.left && x < PICTURE.right && y >= PICTURE.top && y < PICTURE.bottom;
            (inside ? litInside : litOutside) += screen.at(x, y) != 0;
        }
    }
    EXPECT_EQ(litOutside, 0) << "the picture is not 1x and centred on black; see " << folder;
    EXPECT_GT(litInside, 2000) << "see " << folder;
    // The read-out at the picture's top-left corner, in the demo's own text: 1x, at (192, 144).
    EXPECT_GE(readFrameRate(picture), 0) << "no Frame Rate read-out; see " << folder;
    EXPECT_FALSE(fileExists(temporary + "\\Zorvd.mid")) << "the tune was copied out";

    DemoProcess second;
    ASSERT_TRUE(start(second, "/s"));
    DWORD secondExit = 0xDEAD;
    EXPECT_TRUE(second.waitForExit(SECOND_START_TIMEOUT_MS, secondExit))
        << "a second /s did not hand over";
    EXPECT_EQ(secondExit, 0u);
    EXPECT_EQ(countWindowsTitled(second.processId(), SCREEN_SAVER_TITLE), 0);

    pressKey(window, VK_SPACE);
    expectExitWithZero("a key");
}

TEST_F(ScreenSaver, IgnoresAJitteringMouseAndEndsOnARealMove) {
    HWND window = startFullScreen();
    ASSERT_NE(window, nullptr);
    movePointerTo({POINTER_HOME.x + 3, POINTER_HOME.y - 2});
    Sleep(STILL_RUNNING_MS);
    // The window, not the process: Wine hides a closed window at once but destroys it, and ends
    // the process, 2 s later (docs/wine.md).
    EXPECT_TRUE(IsWindowVisible(window)) << "a move of 3 pixels ended it";
    movePointerTo({POINTER_HOME.x - 100, POINTER_HOME.y - 80});
    expectExitWithZero("a move of 100 pixels");
}

TEST_F(ScreenSaver, PreviewDrawsInsideItsHostUntilTheHostGoes) {
    HWND host = createProbeWindow();
    ASSERT_NE(host, nullptr);
    RECT client = {};
    GetClientRect(host, &client);
    MapWindowPoints(host, nullptr, reinterpret_cast<POINT *>(&client), 2);
    ASSERT_TRUE(start(saver, "/p " + windowNumber(host)));
    EXPECT_TRUE(pictureRunsIn(client)) << "the preview does not draw inside its host";
    EXPECT_EQ(countWindowsTitled(saver.processId(), SCREEN_SAVER_TITLE), 0)
        << "the preview made a window of its own";
    DestroyWindow(host);
    expectExitWithZero("its host's destruction");
}

TEST_F(ScreenSaver, SettingsKeepTheTuneChoiceAndTheNextRunPlaysTheTune) {
    HWND owner = createProbeWindow();
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(start(saver, "/c:" + windowNumber(owner)));
    // A modal dialog disables its owner, which waits for the owner's thread to answer.
    HWND dialog = nullptr;
    for (DWORD waited = 0; !dialog && waited < WINDOW_TIMEOUT_MS; waited += POLL_MS) {
        pumpMessages(POLL_MS);
        dialog = saver.waitForWindowTitled(SETTINGS_TITLE, 0);
    }
    ASSERT_NE(dialog, nullptr) << "no dialog titled " << SETTINGS_TITLE;
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    HWND playTune = GetDlgItem(dialog, IDC_PLAY_TUNE);
    char text[64] = {};
    GetWindowTextA(playTune, text, sizeof text);
    EXPECT_STREQ(text, "Play the tune");
    EXPECT_EQ(SendMessageA(playTune, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "on by default";
    SendMessageA(playTune, BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    expectExitWithZero("OK");
    DestroyWindow(owner);
    EXPECT_EQ(tuneSetting(), 1);

    DemoProcess run;
    movePointerTo(POINTER_HOME);
    ASSERT_TRUE(start(run, "/s"));
    HWND window = run.waitForWindowTitled(SCREEN_SAVER_TITLE, WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);
    // The copy appears, then the sequencer opens it and holds it until the device is closed.
    std::string tune = temporary + "\\Zorvd.mid";
    bool opened = false;
    for (DWORD waited = 0; !opened && waited < TUNE_TIMEOUT_MS; waited += POLL_MS) {
        Sleep(POLL_MS);
        opened = heldOpenAgainstWriting(tune);
    }
    EXPECT_TRUE(opened) << "the tune's copy in " << temporary << " was not opened";
    pressKey(window, VK_SPACE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(run.waitForExit(EXIT_TIMEOUT_MS, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
