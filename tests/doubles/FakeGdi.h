// FakeGdi: stands in for the GDI drawing calls of the Surface (StretchDIBits, SetBkMode,
// SetTextColor, TextOutA) and records them into a DDrawCallLog, in order with the DirectDraw
// calls. Puts the previous calls back when it goes.
//
// What a record holds: argument = the HDC for all four;
//   StretchDIBits: point = destination (x, y), width/height = destination size,
//                  sourceRect = (xSrc, ySrc, srcWidth, srcHeight), argument2 = bits,
//                  argument3 = BITMAPINFO, flags = usage, colour = raster operation;
//   SetBkMode: index = mode;  SetTextColor: colour;  TextOutA: point, text, index = length.
#pragma once

#include <windows.h>

#include "app/PlatformCalls.h"
#include "DDrawCallLog.h"

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
    PlatformCalls previous;
};
