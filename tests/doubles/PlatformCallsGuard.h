// PlatformCallsGuard: lets a test replace platform calls and puts the real ones back after it.
#pragma once

#include "app/PlatformCalls.h"

class PlatformCallsGuard {
  public:
    PlatformCallsGuard() { platform = realPlatformCalls; }
    ~PlatformCallsGuard() { platform = realPlatformCalls; }
    PlatformCallsGuard(const PlatformCallsGuard &) = delete;
    PlatformCallsGuard &operator=(const PlatformCallsGuard &) = delete;
};
