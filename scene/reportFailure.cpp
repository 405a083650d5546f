// Turns a failing ResultCode into its message and shows it in a message box.
#include "scene/reportFailure.h"

#include "app/PlatformCalls.h"
#include "app/mainWindow.h"
#include "app/resultText.h"

void reportFailure(ResultCode code) {
    platform.MessageBoxA(mainWindow, resultText(code), "Error!", MB_OK);
}
