#include "FakeGdi.h"

#include <string>

FakeGdi *FakeGdi::current = nullptr;

namespace {

// A record of a GDI call on dc.
DDrawCall gdiCall(const char *method, HDC dc) {
    DDrawCall record = platformCall(method);
    record.dc = dc;
    return record;
}

int WINAPI fakeStretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                             int sourceWidth, int sourceHeight, const VOID *bits,
                             const BITMAPINFO *info, UINT usage, DWORD rop) {
    DDrawCall record = gdiCall("StretchDIBits", dc);
    record.position = {x, y};
    record.width = static_cast<DWORD>(width);
    record.height = static_cast<DWORD>(height);
    record.sourceOrigin = {sourceX, sourceY};
    record.sourceSize = {sourceWidth, sourceHeight};
    record.bits = bits;
    record.bitmapInfo = info;
    record.colourUsage = usage;
    record.rasterOperation = rop;
    FakeGdi::current->log.record(record);
    return FakeGdi::current->stretchResult;
}

int WINAPI fakeSetBkMode(HDC dc, int mode) {
    DDrawCall record = gdiCall("SetBkMode", dc);
    record.backgroundMode = mode;
    FakeGdi::current->log.record(record);
    return OPAQUE;
}

COLORREF WINAPI fakeSetTextColor(HDC dc, COLORREF colour) {
    DDrawCall record = gdiCall("SetTextColor", dc);
    record.textColour = colour;
    FakeGdi::current->log.record(record);
    return 0;
}

WINBOOL WINAPI fakeTextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    DDrawCall record = gdiCall("TextOutA", dc);
    record.position = {x, y};
    record.textLength = length;
    if (text && length > 0)
        record.text.assign(text, static_cast<size_t>(length));
    FakeGdi::current->log.record(record);
    return TRUE;
}

} // namespace

FakeGdi::FakeGdi(DDrawCallLog &log) : log(log), previousCurrent(current) {
    current = this;
    calls.set(&PlatformCalls::StretchDIBits, fakeStretchDIBits);
    calls.set(&PlatformCalls::SetBkMode, fakeSetBkMode);
    calls.set(&PlatformCalls::SetTextColor, fakeSetTextColor);
    calls.set(&PlatformCalls::TextOutA, fakeTextOutA);
}

FakeGdi::~FakeGdi() {
    current = previousCurrent;
}
