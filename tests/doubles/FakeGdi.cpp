// The recording stand-ins of the GDI drawing calls.
#include "FakeGdi.h"

#include <string>

FakeGdi *FakeGdi::current = nullptr;

namespace {

// A record of a GDI call on dc.
DDrawCall gdiCall(const char *method, HDC dc) {
    DDrawCall record;
    record.objectName = "platform";
    record.method = method;
    record.argument = dc;
    return record;
}

int WINAPI fakeStretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                             int sourceWidth, int sourceHeight, const VOID *bits,
                             const BITMAPINFO *info, UINT usage, DWORD rop) {
    DDrawCall record = gdiCall("StretchDIBits", dc);
    record.point = {x, y};
    record.width = static_cast<DWORD>(width);
    record.height = static_cast<DWORD>(height);
    record.sourceRect = {sourceX, sourceY, sourceWidth, sourceHeight};
    record.hasSourceRect = true;
    record.argument2 = bits;
    record.argument3 = info;
    record.flags = usage;
    record.colour = rop;
    FakeGdi::current->log.record(record);
    return FakeGdi::current->stretchResult;
}

int WINAPI fakeSetBkMode(HDC dc, int mode) {
    DDrawCall record = gdiCall("SetBkMode", dc);
    record.index = mode;
    FakeGdi::current->log.record(record);
    return OPAQUE;
}

COLORREF WINAPI fakeSetTextColor(HDC dc, COLORREF colour) {
    DDrawCall record = gdiCall("SetTextColor", dc);
    record.colour = colour;
    FakeGdi::current->log.record(record);
    return 0;
}

WINBOOL WINAPI fakeTextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    DDrawCall record = gdiCall("TextOutA", dc);
    record.point = {x, y};
    record.index = length;
    if (text && length > 0)
        record.text.assign(text, static_cast<size_t>(length));
    FakeGdi::current->log.record(record);
    return TRUE;
}

} // namespace

FakeGdi::FakeGdi(DDrawCallLog &log) : log(log), previous(platform) {
    previousCurrent = current;
    current = this;
    platform.StretchDIBits = fakeStretchDIBits;
    platform.SetBkMode = fakeSetBkMode;
    platform.SetTextColor = fakeSetTextColor;
    platform.TextOutA = fakeTextOutA;
}

FakeGdi::~FakeGdi() {
    platform.StretchDIBits = previous.StretchDIBits;
    platform.SetBkMode = previous.SetBkMode;
    platform.SetTextColor = previous.SetTextColor;
    platform.TextOutA = previous.TextOutA;
    current = previousCurrent;
}
