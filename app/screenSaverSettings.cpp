#include "app/screenSaverSettings.h"

#include "platform/PlatformCalls.h"
#include "resources/resourceIds.h"

namespace {

// The user's own part of the registry: no administrator rights, and each user chooses.
constexpr const char *SETTINGS_KEY = "Software\\Zorv2\\Zorv2 Demo";
constexpr const char *PLAY_TUNE_VALUE = "PlayTune";

// Handles the dialog's few events: the check box shows the setting, OK keeps it, Cancel or the
// close box leaves it.
INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        platform.CheckDlgButton(dialog, IDC_PLAY_TUNE,
                                tuneSettingOn() ? BST_CHECKED : BST_UNCHECKED);
        // TRUE: the system gives the focus to the check box, the dialog's first control.
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            saveTuneSetting(platform.IsDlgButtonChecked(dialog, IDC_PLAY_TUNE) == BST_CHECKED);
            platform.EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            platform.EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

bool tuneSettingOn() {
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG result = platform.RegGetValueA(HKEY_CURRENT_USER, SETTINGS_KEY, PLAY_TUNE_VALUE,
                                        RRF_RT_REG_DWORD, nullptr, &value, &size);
    return result == ERROR_SUCCESS && value != 0;
}

void saveTuneSetting(bool on) {
    DWORD value = on ? 1 : 0;
    platform.RegSetKeyValueA(HKEY_CURRENT_USER, SETTINGS_KEY, PLAY_TUNE_VALUE, REG_DWORD, &value,
                             sizeof value);
}

void showScreenSaverSettings(HINSTANCE instance, HWND owner) {
    platform.DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SCREEN_SAVER_SETTINGS), owner,
                             settingsDialogProc, 0);
}
