// resultText: the message shown to the user for a ResultCode.
#pragma once

#include "platform/ResultCode.h"

// Returns the constant message of code; "Undefined Error!" for any code without one.
const char *resultText(ResultCode code);
