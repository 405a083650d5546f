#include "FakeScreen.h"

FakeScreen *FakeScreen::current = nullptr;

namespace {

HDC WINAPI fakeGetDC(HWND window) {
    DDrawCall record = platformCall("GetDC");
    record.window = window;
    FakeScreen::current->log.record(record);
    return FakeScreen::current->screenDC;
}

int WINAPI fakeReleaseDC(HWND window, HDC dc) {
    DDrawCall record = platformCall("ReleaseDC");
    record.window = window;
    record.dc = dc;
    FakeScreen::current->log.record(record);
    return 1;
}

int WINAPI fakeGetDeviceCaps(HDC dc, int index) {
    DDrawCall record = platformCall("GetDeviceCaps");
    record.dc = dc;
    record.capabilityIndex = index;
    FakeScreen::current->log.record(record);
    switch (index) {
    case BITSPIXEL:
        return FakeScreen::current->bitsPerPixel;
    case PLANES:
        return FakeScreen::current->planes;
    case VREFRESH:
        return FakeScreen::current->refreshRate;
    default:
        return 0;
    }
}

WINBOOL WINAPI fakeGetClientRect(HWND window, LPRECT rect) {
    DDrawCall record = platformCall("GetClientRect");
    record.window = window;
    FakeScreen::current->log.record(record);
    *rect = FakeScreen::current->clientRect;
    return TRUE;
}

WINBOOL WINAPI fakeClientToScreen(HWND window, LPPOINT point) {
    DDrawCall record = platformCall("ClientToScreen");
    record.window = window;
    record.position = *point;
    FakeScreen::current->log.record(record);
    point->x += FakeScreen::current->clientOrigin.x;
    point->y += FakeScreen::current->clientOrigin.y;
    return TRUE;
}

WINBOOL WINAPI fakeOffsetRect(LPRECT rect, int dx, int dy) {
    DDrawCall record = platformCall("OffsetRect");
    record.rect = *rect;
    record.hasRect = true;
    record.offset = {dx, dy};
    FakeScreen::current->log.record(record);
    return realPlatformCalls.OffsetRect(rect, dx, dy);
}

} // namespace

FakeScreen::FakeScreen(DDrawCallLog &log) : log(log), previousCurrent(current) {
    current = this;
    calls.set(&PlatformCalls::GetDC, fakeGetDC);
    calls.set(&PlatformCalls::ReleaseDC, fakeReleaseDC);
    calls.set(&PlatformCalls::GetDeviceCaps, fakeGetDeviceCaps);
    calls.set(&PlatformCalls::GetClientRect, fakeGetClientRect);
    calls.set(&PlatformCalls::ClientToScreen, fakeClientToScreen);
    calls.set(&PlatformCalls::OffsetRect, fakeOffsetRect);
}

FakeScreen::~FakeScreen() {
    current = previousCurrent;
}
