// The message of every ResultCode, byte for byte, and "Undefined Error!" for all the rest.
#include <gtest/gtest.h>

#include <string>

#include "platform/resultText.h"

namespace {

struct Row {
    ResultCode code;
    const char *text;
};

const Row table[] = {
    {544, "Succes!"},
    {545, "File not found!"},
    {546, "Data file directory missing or corrupt!"},
    {547, "Out of memory allocating Data file directory!"},
    {548, "File header invalid or corrupt!"},
    {549, "Could not create file! (Write protected media?)"},
    {550, "File is not BMP!"},
    {551, "BMP file bad!"},
    {552, "BMP info allocation failed!"},
    {553, "LoadPalette failed!"},
    {560, "Could not allocate memory for bitmap data!"},
    {561, "Bad image data!"},
    {592, "Could not initialize DirectDraw!"},
    {593, "Could not initialize DirectDraw2!"},
    {594, "Could not set cooperative mode! (DDRAW)"},
    {595, "Display adaptor does not support this video mode!"},
    {596, "Could not create primary surface! (Screen)"},
    {597, "Could not create back buffer surface! (Offscreen)"},
    {598, "Could not create clipper!"},
    {599, "Could not assign clipper to window handle!"},
    {600, "Could not attach clipper to primary surface!"},
    {624, "Could not close MIDI device!"},
    {625, "Could not open MIDI device!"},
    {626, "Could not start MIDI playback!"},
    {627, "Could not stop MIDI playback!"},
    {628, "Could not resume MIDI playback!"},
    {629, "Couldnot restart MIDI playback!"},
    {656, "Could not initialize DirectInput!"},
    {657, "Could not aquire Mouse!"},
    {658, "Could not aquire Keyboard!"},
    {659, "Could not initialize DirectInput2!"},
    {660, "Could not set Joystick X range!"},
    {661, "Could not set Joystick Y range!"},
    {662, "Could not set Joystick X deadzone to 10%!"},
    {663, "Could not set Joystick Y deadzone to 10%!"},
    {664, "Could not aquire Joystick!"},
    {800, "Could not create surface!"},
    {864, "Could not initialize DirectSound!"},
    {865, "Could not set cooperative mode! (DSOUND)"},
};

TEST(resultText, GivesEveryTabledCodeItsTextByteForByte) {
    ASSERT_EQ(std::size(table), 39u);
    for (const Row &row : table) {
        EXPECT_EQ(std::string(resultText(row.code)), row.text) << "code " << row.code;
    }
}

TEST(resultText, GivesUndefinedErrorToEveryCodeWithoutARow) {
    const ResultCode untabled[] = {565, 566, 567,  554,        555,
                                   556, 557, 558,  559,        562,
                                   563, 564, 601,  623,        630,
                                   665, 799, 801,  863,        866,
                                   0,   -1,  -544, 2147483647, -2147483647 - 1};
    for (ResultCode code : untabled) {
        EXPECT_STREQ(resultText(code), "Undefined Error!") << "code " << code;
    }
}

TEST(resultText, NamesTheMciCodesOfTheMusicPlayer) {
    EXPECT_EQ(RC_MCI_CLOSE_FAILED, 565);
    EXPECT_EQ(RC_MCI_OPEN_FAILED, 566);
    EXPECT_EQ(RC_MCI_PLAY_FAILED, 567);
}

} // namespace
