#include "platform/resultText.h"

namespace {

struct CodeText {
    ResultCode code;
    const char *text;
};

// Every text is kept byte for byte, misspellings included ("Succes!", "aquire", "Couldnot"):
// it is what the demo has always shown, and correcting one would change what users see.
const CodeText codeTexts[] = {
    {RC_SUCCESS, "Succes!"},
    {RC_FILE_NOT_FOUND, "File not found!"},
    {RC_DIRECTORY_CORRUPT, "Data file directory missing or corrupt!"},
    {RC_DIRECTORY_NO_MEMORY, "Out of memory allocating Data file directory!"},
    {RC_HEADER_INVALID, "File header invalid or corrupt!"},
    {RC_FILE_CREATE_FAILED, "Could not create file! (Write protected media?)"},
    {RC_NOT_BMP, "File is not BMP!"},
    {RC_BMP_BAD, "BMP file bad!"},
    {RC_BMP_INFO_ALLOC_FAILED, "BMP info allocation failed!"},
    {RC_PALETTE_LOAD_FAILED, "LoadPalette failed!"},
    {RC_BITMAP_ALLOC_FAILED, "Could not allocate memory for bitmap data!"},
    {RC_BAD_IMAGE_DATA, "Bad image data!"},
    {RC_DDRAW_INIT_FAILED, "Could not initialize DirectDraw!"},
    {RC_DDRAW2_INIT_FAILED, "Could not initialize DirectDraw2!"},
    {RC_DDRAW_COOP_FAILED, "Could not set cooperative mode! (DDRAW)"},
    {RC_MODE_UNSUPPORTED, "Display adaptor does not support this video mode!"},
    {RC_PRIMARY_CREATE_FAILED, "Could not create primary surface! (Screen)"},
    {RC_BACKBUFFER_CREATE_FAILED, "Could not create back buffer surface! (Offscreen)"},
    {RC_CLIPPER_CREATE_FAILED, "Could not create clipper!"},
    {RC_CLIPPER_HWND_FAILED, "Could not assign clipper to window handle!"},
    {RC_CLIPPER_ATTACH_FAILED, "Could not attach clipper to primary surface!"},
    {RC_MIDI_CLOSE_FAILED, "Could not close MIDI device!"},
    {RC_MIDI_OPEN_FAILED, "Could not open MIDI device!"},
    {RC_MIDI_START_FAILED, "Could not start MIDI playback!"},
    {RC_MIDI_STOP_FAILED, "Could not stop MIDI playback!"},
    {RC_MIDI_RESUME_FAILED, "Could not resume MIDI playback!"},
    {RC_MIDI_RESTART_FAILED, "Couldnot restart MIDI playback!"},
    {RC_DINPUT_INIT_FAILED, "Could not initialize DirectInput!"},
    {RC_MOUSE_ACQUIRE_FAILED, "Could not aquire Mouse!"},
    {RC_KEYBOARD_ACQUIRE_FAILED, "Could not aquire Keyboard!"},
    {RC_DINPUT2_INIT_FAILED, "Could not initialize DirectInput2!"},
    {RC_JOYSTICK_X_RANGE_FAILED, "Could not set Joystick X range!"},
    {RC_JOYSTICK_Y_RANGE_FAILED, "Could not set Joystick Y range!"},
    {RC_JOYSTICK_X_DEADZONE_FAILED, "Could not set Joystick X deadzone to 10%!"},
    {RC_JOYSTICK_Y_DEADZONE_FAILED, "Could not set Joystick Y deadzone to 10%!"},
    {RC_JOYSTICK_ACQUIRE_FAILED, "Could not aquire Joystick!"},
    {RC_SURFACE_CREATE_FAILED, "Could not create surface!"},
    {RC_DSOUND_INIT_FAILED, "Could not initialize DirectSound!"},
    {RC_DSOUND_COOP_FAILED, "Could not set cooperative mode! (DSOUND)"},
};

} // namespace

const char *resultText(ResultCode code) {
    for (const CodeText &entry : codeTexts) {
        if (entry.code == code) {
            return entry.text;
        }
    }
    return "Undefined Error!";
}
