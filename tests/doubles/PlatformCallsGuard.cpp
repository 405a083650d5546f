// Keeps the fakes library non-empty before any COM fake exists.
#include "PlatformCallsGuard.h"
