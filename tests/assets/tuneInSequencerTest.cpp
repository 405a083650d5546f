// The tune as Wine's MCI sequencer sees it: it must open (the sequencer reads the whole file
// while opening) and report a length between 30 and 90 seconds.
#include "assetPath.h"

#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Sends one MCI command without a callback window; the reply, if any, goes to reply.
MCIERROR sendCommand(const std::string &command, std::string *reply = nullptr) {
    char text[128] = "";
    const MCIERROR result = mciSendStringA(command.c_str(), text, sizeof text, nullptr);
    if (reply)
        *reply = text;
    return result;
}

class TuneInSequencer : public ::testing::Test {
  protected:
    void SetUp() override {
        opened = sendCommand("open \"" + assetPath("Zorvd.mid") + "\" type sequencer alias T");
    }
    void TearDown() override {
        if (opened == 0) {
            EXPECT_EQ(0u, sendCommand("close T"));
        }
    }
    MCIERROR opened = 0;
};

} // namespace

TEST_F(TuneInSequencer, Opens) {
    EXPECT_EQ(0u, opened) << std::hex << "mciSendString open returned 0x" << opened;
}

TEST_F(TuneInSequencer, LastsBetweenThirtyAndNinetySeconds) {
    ASSERT_EQ(0u, opened) << std::hex << "mciSendString open returned 0x" << opened;
    ASSERT_EQ(0u, sendCommand("set T time format milliseconds"));
    std::string length;
    const MCIERROR result = sendCommand("status T length", &length);
    ASSERT_EQ(0u, result) << std::hex << "status returned 0x" << result;
    const long milliseconds = std::strtol(length.c_str(), nullptr, 10);
    std::printf("Zorvd.mid lasts %ld ms\n", milliseconds);
    EXPECT_GE(milliseconds, 30000);
    EXPECT_LE(milliseconds, 90000);
}
