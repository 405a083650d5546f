// ResultCode: what every operation that can fail returns, and the names of all its values.
// RC_SUCCESS is the only success; each other value names one failure.
#pragma once

#include <cstdint>

typedef int32_t ResultCode;

// Success; opening and creating files; the data file; BMP file headers.
constexpr ResultCode RC_SUCCESS = 544;
constexpr ResultCode RC_FILE_NOT_FOUND = 545;
constexpr ResultCode RC_DIRECTORY_CORRUPT = 546;
constexpr ResultCode RC_DIRECTORY_NO_MEMORY = 547;
constexpr ResultCode RC_HEADER_INVALID = 548;
constexpr ResultCode RC_FILE_CREATE_FAILED = 549;
constexpr ResultCode RC_NOT_BMP = 550;
constexpr ResultCode RC_BMP_BAD = 551;
constexpr ResultCode RC_BMP_INFO_ALLOC_FAILED = 552;
constexpr ResultCode RC_PALETTE_LOAD_FAILED = 553;

// Image memory and pixel data; the MCI commands of the music player (these have no text).
constexpr ResultCode RC_BITMAP_ALLOC_FAILED = 560;
constexpr ResultCode RC_BAD_IMAGE_DATA = 561;
constexpr ResultCode RC_MCI_CLOSE_FAILED = 565;
constexpr ResultCode RC_MCI_OPEN_FAILED = 566;
constexpr ResultCode RC_MCI_PLAY_FAILED = 567;

// DirectDraw display set-up.
constexpr ResultCode RC_DDRAW_INIT_FAILED = 592;
constexpr ResultCode RC_DDRAW2_INIT_FAILED = 593;
constexpr ResultCode RC_DDRAW_COOP_FAILED = 594;
constexpr ResultCode RC_MODE_UNSUPPORTED = 595;
constexpr ResultCode RC_PRIMARY_CREATE_FAILED = 596;
constexpr ResultCode RC_BACKBUFFER_CREATE_FAILED = 597;
constexpr ResultCode RC_CLIPPER_CREATE_FAILED = 598;
constexpr ResultCode RC_CLIPPER_HWND_FAILED = 599;
constexpr ResultCode RC_CLIPPER_ATTACH_FAILED = 600;

// MIDI device.
constexpr ResultCode RC_MIDI_CLOSE_FAILED = 624;
constexpr ResultCode RC_MIDI_OPEN_FAILED = 625;
constexpr ResultCode RC_MIDI_START_FAILED = 626;
constexpr ResultCode RC_MIDI_STOP_FAILED = 627;
constexpr ResultCode RC_MIDI_RESUME_FAILED = 628;
constexpr ResultCode RC_MIDI_RESTART_FAILED = 629;

// DirectInput: mouse, keyboard, joystick.
constexpr ResultCode RC_DINPUT_INIT_FAILED = 656;
constexpr ResultCode RC_MOUSE_ACQUIRE_FAILED = 657;
constexpr ResultCode RC_KEYBOARD_ACQUIRE_FAILED = 658;
constexpr ResultCode RC_DINPUT2_INIT_FAILED = 659;
constexpr ResultCode RC_JOYSTICK_X_RANGE_FAILED = 660;
constexpr ResultCode RC_JOYSTICK_Y_RANGE_FAILED = 661;
constexpr ResultCode RC_JOYSTICK_X_DEADZONE_FAILED = 662;
constexpr ResultCode RC_JOYSTICK_Y_DEADZONE_FAILED = 663;
constexpr ResultCode RC_JOYSTICK_ACQUIRE_FAILED = 664;

// Surfaces.
constexpr ResultCode RC_SURFACE_CREATE_FAILED = 800;

// DirectSound.
constexpr ResultCode RC_DSOUND_INIT_FAILED = 864;
constexpr ResultCode RC_DSOUND_COOP_FAILED = 865;
