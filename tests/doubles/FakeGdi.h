// FakeGdi: stands in for the GDI drawing calls of the Surface (StretchDIBits, SetBkMode,
// SetTextColor, TextOutA) and records them into a DDrawCallLog, in order with the DirectDraw
// calls. Puts the previous calls back when it goes.
#pragma once

#include <windows.h>

#include "DDrawCallLog.h"
#include "PlatformOverride.h"

class FakeGdi {
  public:
    explicit FakeGdi(DDrawCallLog &log);
    ~FakeGdi();
    FakeGdi(const FakeGdi &) = delete;
    FakeGdi &operator=(const FakeGdi &) = delete;

    DDrawCallLog &log;
    int stretchResult = 1; // what StretchDIBits returns (lines drawn)

    static FakeGdi *current;

  private:
    FakeGdi *previousCurrent;
    PlatformOverride calls;
};
