// The real Windows functions behind the PlatformCalls table.
#include "app/PlatformCalls.h"

const PlatformCalls realPlatformCalls = {
    ::RegisterClassA,   ::CreateWindowExA, ::ShowWindow,     ::UpdateWindow,
    ::ShowCursor,       ::PeekMessageA,    ::GetMessageA,    ::TranslateMessage,
    ::DispatchMessageA, ::DefWindowProcA,  ::PostMessageA,   ::PostQuitMessage,
    ::GetSystemMetrics, ::SetWindowPos,    ::MessageBoxA,    ::LoadIconA,
    ::LoadCursorA,      ::GetDC,           ::ReleaseDC,      ::GetClientRect,
    ::ClientToScreen,   ::wsprintfA,       ::GetStockObject, ::GetDeviceCaps,
    ::StretchDIBits,    ::SetBkMode,       ::SetTextColor,   ::TextOutA,
    ::DirectDrawCreate, ::timeGetTime,     ::mciSendStringA, ::GetTempPathA,
    ::GlobalAlloc,      ::GlobalLock,      ::GlobalHandle,   ::GlobalUnlock,
    ::GlobalFree,
};

PlatformCalls platform = realPlatformCalls;
