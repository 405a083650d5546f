// MidiPlayer::play: the three command strings, their order, their callback windows, and what is
// sent when one fails or the path does not fit the command.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doubles/MciRecorder.h"
#include "music/MidiPlayer.h"
#include "support/WideText.h"

namespace {

const HWND NOTIFY_WINDOW = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
const char *const CLOSE_ALL = "close all";
const char *const PLAY = "play MUSIC from 0 notify";

class MidiPlayerPlayTest : public ::testing::Test {
  protected:
    PlatformOverride calls;
    MidiPlayer player;

    void SetUp() override {
        MciRecorder::install(calls);
        player.setNotifyWindow(NOTIFY_WINDOW);
        usePath("C:\\Temp\\\\Zorvd.mid");
    }
    void TearDown() override { free(player.tempPath); }
    void usePath(const std::string &path) {
        free(player.tempPath);
        std::wstring wide = wideText(path);
        size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
        player.tempPath = static_cast<wchar_t *>(malloc(bytes));
        memcpy(player.tempPath, wide.c_str(), bytes);
    }
};

} // namespace

TEST(MidiPlayerTest, ConstructionLeavesNoWindowAndNoPath) {
    MidiPlayer player;
    EXPECT_EQ(player.notifyWindow, nullptr);
    EXPECT_EQ(player.tempPath, nullptr);
    player.setNotifyWindow(NOTIFY_WINDOW);
    EXPECT_EQ(player.notifyWindow, NOTIFY_WINDOW);
}

TEST_F(MidiPlayerPlayTest, SendsCloseOpenPlayWithTheNotifyWindowOnlyOnPlay) {
    ResultCode rc = player.play();
    EXPECT_EQ(rc, RC_SUCCESS) << std::hex << "0x" << rc;
    ASSERT_EQ(MciRecorder::calls.size(), 3u);
    const char *expected[] = {CLOSE_ALL,
                              "open \"C:\\Temp\\\\Zorvd.mid\" type sequencer alias MUSIC", PLAY};
    const HWND callbacks[] = {nullptr, nullptr, NOTIFY_WINDOW};
    for (size_t i = 0; i < 3; ++i) {
        const MciCall &call = MciRecorder::calls[i];
        EXPECT_EQ(call.command, expected[i]) << "call " << i;
        EXPECT_TRUE(call.returnBufferIsNull) << "call " << i;
        EXPECT_EQ(call.returnLength, 0u) << "call " << i;
        EXPECT_EQ(call.callback, callbacks[i]) << "call " << i;
    }
}

// Unquoted, MCI would take everything up to the first space for the device's name.
TEST_F(MidiPlayerPlayTest, PathWithSpacesGoesIntoTheOpenCommandQuoted) {
    usePath("C:\\users\\Ann Lee\\Local Settings\\Temp\\\\Zorvd.mid");
    ASSERT_EQ(player.play(), RC_SUCCESS);
    ASSERT_EQ(MciRecorder::calls.size(), 3u);
    EXPECT_EQ(MciRecorder::calls[1].command,
              "open \"C:\\users\\Ann Lee\\Local Settings\\Temp\\\\Zorvd.mid\" type "
              "sequencer alias MUSIC");
}

TEST_F(MidiPlayerPlayTest, FailingCommandEndsThePlayWithItsCode) {
    struct Case {
        int failingCall;
        MCIERROR failure;
        ResultCode expected;
        size_t commandsSent;
    };
    const Case cases[] = {
        {0, MCIERR_DEVICE_NOT_READY, RC_MCI_CLOSE_FAILED, 1},
        {1, MCIERR_INVALID_DEVICE_NAME, RC_MCI_OPEN_FAILED, 2},
        {1, MCIERR_FILE_NOT_FOUND, RC_MCI_OPEN_FAILED, 2},
        {2, MCIERR_HARDWARE, RC_MCI_PLAY_FAILED, 3},
        // Any value other than 0 is a failure, however odd.
        {0, 1, RC_MCI_CLOSE_FAILED, 1},
        {2, 0x80000000u, RC_MCI_PLAY_FAILED, 3},
        {3, MCIERR_HARDWARE, RC_SUCCESS, 3},
    };
    for (const Case &c : cases) {
        MciRecorder::install(calls);
        MciRecorder::failingCall = c.failingCall;
        MciRecorder::failure = c.failure;
        ResultCode rc = player.play();
        EXPECT_EQ(rc, c.expected) << std::hex << "call " << c.failingCall << " fails with 0x"
                                  << c.failure << ": 0x" << rc;
        EXPECT_EQ(MciRecorder::calls.size(), c.commandsSent) << "call " << c.failingCall;
    }
}

TEST_F(MidiPlayerPlayTest, PlayingAgainRestartsWithTheSameThreeCommands) {
    ASSERT_EQ(player.play(), RC_SUCCESS);
    ASSERT_EQ(player.play(), RC_SUCCESS);
    std::vector<std::string> commands = MciRecorder::commands();
    ASSERT_EQ(commands.size(), 6u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(commands[i], commands[i + 3]) << "call " << i;
    }
    EXPECT_EQ(commands[3], CLOSE_ALL);
}

// The command buffer holds 558 characters: 34 of fixed text with the quotes, the terminator,
// and a path of at most 523, so every path extract makes (519 at most) goes in whole, whatever
// its letters. A longer one is refused before the open is sent, never cut off or written past.
TEST_F(MidiPlayerPlayTest, PathLongerThanTheCommandBufferIsRefusedAfterCloseAll) {
    for (std::string longest :
         {"C:\\" + std::string(520, 'p'), u8"C:\\Пользователи\\" + std::string(507, 'p')}) {
        MciRecorder::install(calls);
        usePath(longest);
        ASSERT_EQ(player.play(), RC_SUCCESS);
        ASSERT_EQ(MciRecorder::calls.size(), 3u);
        EXPECT_EQ(MciRecorder::calls[1].command,
                  "open \"" + longest + "\" type sequencer alias MUSIC");
        EXPECT_EQ(wideText(MciRecorder::calls[1].command).size(), 557u);
    }

    for (size_t length : {524u, 600u}) {
        MciRecorder::install(calls);
        usePath("C:\\" + std::string(length - 3, 'p'));
        ResultCode rc = player.play();
        EXPECT_EQ(rc, RC_MCI_OPEN_FAILED) << length << std::hex << ": 0x" << rc;
        EXPECT_EQ(MciRecorder::commands(), std::vector<std::string>{CLOSE_ALL}) << length;
    }
}

TEST_F(MidiPlayerPlayTest, FailedCloseComesBeforeARefusedPath) {
    usePath(std::string(300, 'p'));
    MciRecorder::failingCall = 0;
    EXPECT_EQ(player.play(), RC_MCI_CLOSE_FAILED);
    EXPECT_EQ(MciRecorder::calls.size(), 1u);
}

TEST_F(MidiPlayerPlayTest, PlayWithoutAnExtractedCopyIsRefused) {
    free(player.tempPath);
    player.tempPath = nullptr;
    EXPECT_EQ(player.play(), RC_MCI_OPEN_FAILED);
    EXPECT_EQ(MciRecorder::commands(), std::vector<std::string>{CLOSE_ALL});
}
