// PlatformCalls: every Windows function the demo calls, reached through one table.
// The program runs with the real functions; a test puts its own in place of any of them to
// record the call and its arguments, or to make it fail, then puts the real one back.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <ddraw.h>

struct PlatformCalls {
    // USER32: window, message loop, messages.
    decltype(&::RegisterClassA) RegisterClassA;
    decltype(&::CreateWindowExA) CreateWindowExA;
    decltype(&::ShowWindow) ShowWindow;
    decltype(&::SetForegroundWindow) SetForegroundWindow;
    decltype(&::FindWindowA) FindWindowA;
    decltype(&::UpdateWindow) UpdateWindow;
    decltype(&::ShowCursor) ShowCursor;
    decltype(&::PeekMessageA) PeekMessageA;
    decltype(&::GetMessageA) GetMessageA;
    decltype(&::TranslateMessage) TranslateMessage;
    decltype(&::DispatchMessageA) DispatchMessageA;
    decltype(&::DefWindowProcA) DefWindowProcA;
    decltype(&::PostMessageA) PostMessageA;
    decltype(&::PostQuitMessage) PostQuitMessage;
    decltype(&::GetSystemMetrics) GetSystemMetrics;
    decltype(&::SetWindowPos) SetWindowPos;
    decltype(&::IsIconic) IsIconic;
    decltype(&::MessageBoxA) MessageBoxA;
    decltype(&::LoadIconA) LoadIconA;
    decltype(&::LoadCursorA) LoadCursorA;
    decltype(&::GetDC) GetDC;
    decltype(&::ReleaseDC) ReleaseDC;
    decltype(&::GetClientRect) GetClientRect;
    decltype(&::ClientToScreen) ClientToScreen;
    decltype(&::OffsetRect) OffsetRect;
    decltype(&::wsprintfA) wsprintfA;

    // GDI32.
    decltype(&::GetStockObject) GetStockObject;
    decltype(&::GetDeviceCaps) GetDeviceCaps;
    decltype(&::StretchDIBits) StretchDIBits;
    decltype(&::SetBkMode) SetBkMode;
    decltype(&::SetTextColor) SetTextColor;
    decltype(&::TextOutA) TextOutA;

    // DDRAW.
    decltype(&::DirectDrawCreate) DirectDrawCreate;

    // WINMM.
    decltype(&::timeGetTime) timeGetTime;
    decltype(&::mciSendStringW) mciSendStringW;
    decltype(&::timeBeginPeriod) timeBeginPeriod;

    // KERNEL32.
    decltype(&::GetTempPathW) GetTempPathW;
    decltype(&::GetShortPathNameW) GetShortPathNameW;
    decltype(&::GetModuleFileNameW) GetModuleFileNameW;
    decltype(&::CreateMutexW) CreateMutexW;
    decltype(&::GetLastError) GetLastError;
    decltype(&::GlobalAlloc) GlobalAlloc;
    decltype(&::GlobalLock) GlobalLock;
    decltype(&::GlobalHandle) GlobalHandle;
    decltype(&::GlobalUnlock) GlobalUnlock;
    decltype(&::GlobalFree) GlobalFree;
    decltype(&::QueryPerformanceCounter) QueryPerformanceCounter;
    decltype(&::QueryPerformanceFrequency) QueryPerformanceFrequency;
    decltype(&::CreateWaitableTimerExW) CreateWaitableTimerExW;
    decltype(&::SetWaitableTimer) SetWaitableTimer;
    decltype(&::WaitForSingleObject) WaitForSingleObject;
    decltype(&::Sleep) Sleep;
    decltype(&::SetThreadExecutionState) SetThreadExecutionState;
    // The program's own copy of its data file, and the temporary file it is read through.
    decltype(&::FindResourceA) FindResourceA;
    decltype(&::LoadResource) LoadResource;
    decltype(&::LockResource) LockResource;
    decltype(&::SizeofResource) SizeofResource;
    decltype(&::GetTempFileNameW) GetTempFileNameW;

    // The screen saver: its preview's host window, the pointer, the settings dialog, and the
    // setting kept in the registry (USER32, ADVAPI32).
    decltype(&::IsWindow) IsWindow;
    decltype(&::GetCursorPos) GetCursorPos;
    decltype(&::DialogBoxParamA) DialogBoxParamA;
    decltype(&::EndDialog) EndDialog;
    decltype(&::CheckDlgButton) CheckDlgButton;
    decltype(&::IsDlgButtonChecked) IsDlgButtonChecked;
    decltype(&::RegGetValueA) RegGetValueA;
    decltype(&::RegSetKeyValueA) RegSetKeyValueA;
};

// The table of the real functions; never changed by the program itself.
extern const PlatformCalls realPlatformCalls;

// The table the program calls through. Starts as a copy of realPlatformCalls.
extern PlatformCalls platform;
