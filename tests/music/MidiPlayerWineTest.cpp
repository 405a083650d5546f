// The MidiPlayer with the real platform: extracts a small MIDI file into the real temporary
// directory, and into one named in Cyrillic, and plays it through the real MCI sequencer.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "doubles/MciRecorder.h"
#include "music/MidiPlayer.h"
#include "support/WideText.h"

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

// The real temporary folder, and one under a user name outside the ANSI code page.
TEST(MidiPlayerWineTest, ExtractsAndPlaysARealMidiFile) {
    const std::string tune = smallMidiFile();
    const char *sourcePath = "music_wine_source.mid";
    FILE *write = fopen(sourcePath, "wb");
    ASSERT_NE(write, nullptr);
    fwrite(tune.data(), 1, tune.size(), write);
    fclose(write);

    wchar_t realTemporaryText[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, realTemporaryText), 0u);
    const std::string realTemporary = utf8Text(realTemporaryText);
    char current[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, current), 0u);
    const std::string cyrillic = std::string(current) + u8"\\Временные файлы Анны\\";
    // The copy's path fills Windows' limit of 260 characters with the terminator.
    const std::string nearTheLimit =
        std::string(current) + "\\" + std::string(MAX_PATH - strlen(current) - 24, 'l') + "\\";
    for (const std::string &temporary : {realTemporary, cyrillic, nearTheLimit}) {
        PlatformOverride calls;
        if (temporary != realTemporary) {
            CreateDirectoryW(wideText(temporary).c_str(), nullptr);
            FakeTempPath::install(calls, temporary);
        }
        FILE *source = fopen(sourcePath, "rb");
        ASSERT_NE(source, nullptr);
        MidiPlayer player;
        player.setNotifyWindow(nullptr);
        ResultCode rc =
            player.extract("zorv2_music_test.mid", source, static_cast<int32_t>(tune.size()));
        fclose(source);
        ASSERT_EQ(rc, RC_SUCCESS) << temporary << std::hex << ": 0x" << rc;
        EXPECT_EQ(utf8Text(player.tempPath), temporary + "\\zorv2_music_test.mid");
        EXPECT_LE(wcslen(player.tempPath), static_cast<size_t>(MAX_PATH - 1));
        EXPECT_EQ(readFileAt(player.tempPath), tune) << temporary;

        rc = player.play();
        EXPECT_EQ(rc, RC_SUCCESS) << temporary << std::hex << ": 0x" << rc;
        // A second play is the restart: close, reopen, play from the start.
        rc = player.play();
        EXPECT_EQ(rc, RC_SUCCESS) << temporary << std::hex << ": 0x" << rc;

        platform.mciSendStringW(L"close all", nullptr, 0, nullptr);
        _wremove(player.tempPath);
        free(player.tempPath);
        if (temporary != realTemporary) {
            RemoveDirectoryW(wideText(temporary).c_str());
        }
    }
    remove(sourcePath);
}
