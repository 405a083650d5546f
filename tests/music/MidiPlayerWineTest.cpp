// The MidiPlayer with the real platform: extracts a small MIDI file into the real temporary
// directory and plays it through the real MCI sequencer.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/PlatformCalls.h"
#include "music/MidiPlayer.h"

namespace {

// A standard MIDI file, format 0, one track: a tempo, one short note, and the end of track.
std::string smallMidiFile() {
    const unsigned char header[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    const unsigned char events[] = {
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, // tempo: 500000 microseconds per beat
        0x00, 0xC0, 0x00,                         // program change: piano
        0x00, 0x90, 0x3C, 0x40,                   // note on, middle C
        0x30, 0x80, 0x3C, 0x40,                   // note off after half a beat
        0x00, 0xFF, 0x2F, 0x00,                   // end of track
    };
    std::string file(reinterpret_cast<const char *>(header), sizeof(header));
    file += "MTrk";
    file.push_back(0);
    file.push_back(0);
    file.push_back(0);
    file.push_back(static_cast<char>(sizeof(events)));
    file.append(reinterpret_cast<const char *>(events), sizeof(events));
    return file;
}

} // namespace

TEST(MidiPlayerWineTest, ExtractsAndPlaysARealMidiFile) {
    const std::string tune = smallMidiFile();
    const char *sourcePath = "music_wine_source.mid";
    FILE *write = fopen(sourcePath, "wb");
    ASSERT_NE(write, nullptr);
    fwrite(tune.data(), 1, tune.size(), write);
    fclose(write);
    FILE *source = fopen(sourcePath, "rb");
    ASSERT_NE(source, nullptr);

    MidiPlayer player;
    player.setNotifyWindow(nullptr);
    ResultCode rc =
        player.extract("zorv2_music_test.mid", source, static_cast<int32_t>(tune.size()));
    fclose(source);
    remove(sourcePath);
    ASSERT_EQ(rc, RC_SUCCESS) << std::hex << "0x" << rc;

    char directory[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, directory), 0u);
    EXPECT_EQ(std::string(player.tempPath), std::string(directory) + "\\zorv2_music_test.mid");
    FILE *copy = fopen(player.tempPath, "rb");
    ASSERT_NE(copy, nullptr);
    std::string copied(tune.size() + 1, '\0');
    copied.resize(fread(&copied[0], 1, copied.size(), copy));
    fclose(copy);
    EXPECT_EQ(copied, tune);

    rc = player.play();
    EXPECT_EQ(rc, RC_SUCCESS) << std::hex << "0x" << rc;
    // A second play is the restart: close, reopen, play from the start.
    rc = player.play();
    EXPECT_EQ(rc, RC_SUCCESS) << std::hex << "0x" << rc;

    platform.mciSendStringA("close all", nullptr, 0, nullptr);
    remove(player.tempPath);
    free(player.tempPath);
}
