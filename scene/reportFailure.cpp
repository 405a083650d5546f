// Turns a failing ResultCode into its message and shows it in a message box.
#include "scene/reportFailure.h"

#include "platform/PlatformCalls.h"
#include "app/mainWindow.h"
#include "platform/resultText.h"

void reportFailure(ResultCode code) {
    platform.MessageBoxA(mainWindow, resultText(code), "Error!", MB_OK);
}
