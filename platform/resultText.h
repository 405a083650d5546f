// resultText: the message shown to the user for a ResultCode.
#pragma once

#include "platform/ResultCode.h"

// Returns the constant message of code; "Undefined Error!" for any code without one. A code is
// matched by exact equality only: no ranges, no masks.
const char *resultText(ResultCode code);
