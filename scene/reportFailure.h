// Shows a failure to the user: the one report the demo makes.
#pragma once

#include "platform/ResultCode.h"

// One "Error!" message box, owned by the main window, with the text of code.
void reportFailure(ResultCode code);
