// Numbers of the program's resources, shared by the resource script and the code.
#pragma once

#define IDI_APPLICATION_ICON 101

// The screen saver: its name in Windows' list of screen savers, its settings dialog and the
// dialog's check box.
#define IDS_SCREEN_SAVER_NAME 1
#define IDD_SCREEN_SAVER_SETTINGS 201
#define IDC_PLAY_TUNE 1001

// The screen saver's own copy of the data file, which it reads when no folder holds one.
#define IDR_DATA_FILE 301
