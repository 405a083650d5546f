// A second start while a demo runs: the running demo comes to the front and the second ends with
// 0 before it makes a window, a file or a sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "doubles/MciRecorder.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

const HWND RUNNING_WINDOW = reinterpret_cast<HWND>(0x4242);

struct Case {
    const char *name;
    DWORD lastError;  // what GetLastError answers after CreateMutexW
    int windowAtLook; // the look of FindWindowA that finds the window; 0 for none
    BOOL minimised;
    // What the start did, in call order: C CreateMutexW, F FindWindowA, S Sleep(50),
    // R ShowWindow(SW_RESTORE), T SetForegroundWindow, G RegisterClassA.
    const char *expectedCalls;
    bool mutexRefused = false; // CreateMutexW answers null, as for a name another user holds
};

const Case *current;
std::string calls;
std::wstring mutexName;

HANDLE WINAPI fakeCreateMutexW(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCWSTR name) {
    calls += initialOwner ? "c" : "C";
    mutexName = name;
    return current->mutexRefused ? nullptr : reinterpret_cast<HANDLE>(0x77);
}
DWORD WINAPI fakeGetLastError() {
    return current->lastError;
}
HWND WINAPI fakeFindWindowA(LPCSTR className, LPCSTR windowName) {
    calls += std::string(className) == "Zorv2 Demo. Try ALT+ENTER :)" && !windowName ? "F" : "f";
    int looks = static_cast<int>(std::count(calls.begin(), calls.end(), 'F'));
    return looks == current->windowAtLook ? RUNNING_WINDOW : nullptr;
}
BOOL WINAPI fakeIsIconic(HWND) {
    return current->minimised;
}
BOOL WINAPI fakeShowWindow(HWND window, int command) {
    calls += window == RUNNING_WINDOW && command == SW_RESTORE ? "R" : "r";
    return TRUE;
}
BOOL WINAPI fakeSetForegroundWindow(HWND window) {
    calls += window == RUNNING_WINDOW ? "T" : "t";
    return TRUE;
}
void WINAPI fakeSleep(DWORD ms) {
    calls += ms == 50 ? "S" : "s";
}
// Refused, so a start that goes on ends here instead of making a real window.
ATOM WINAPI fakeRegisterClassA(const WNDCLASSA *) {
    calls += "G";
    return 0;
}

TEST(SecondStart, ActivatesTheRunningDemoAndEndsWithZeroOrStartsAsTheFirst) {
    const Case cases[] = {
        {"running demo shown", ERROR_ALREADY_EXISTS, 1, FALSE, "CFT"},
        {"running demo minimised", ERROR_ALREADY_EXISTS, 1, TRUE, "CFRT"},
        {"running demo still starting", ERROR_ALREADY_EXISTS, 3, FALSE, "CFSFSFT"},
        {"no window within the bound", ERROR_ALREADY_EXISTS, 0, FALSE,
         "CFSFSFSFSFSFSFSFSFSFSFSFSFSFSFSFSFSFSFSF"},
        {"first demo", ERROR_SUCCESS, 1, FALSE, "CG"},
        {"no name can be made: starts all the same", ERROR_ACCESS_DENIED, 1, FALSE, "CG", true},
    };
    for (const Case &c : cases) {
        PlatformOverride table;
        current = &c;
        calls.clear();
        table.set(&PlatformCalls::CreateMutexW, fakeCreateMutexW);
        table.set(&PlatformCalls::GetLastError, fakeGetLastError);
        table.set(&PlatformCalls::FindWindowA, fakeFindWindowA);
        table.set(&PlatformCalls::IsIconic, fakeIsIconic);
        table.set(&PlatformCalls::ShowWindow, fakeShowWindow);
        table.set(&PlatformCalls::SetForegroundWindow, fakeSetForegroundWindow);
        table.set(&PlatformCalls::Sleep, fakeSleep);
        table.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
        MciRecorder::install(table);
        FakeTempPath::install(table, "C:\\temp\\");

        EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 0) << c.name;

        EXPECT_EQ(calls, c.expectedCalls) << c.name;
        EXPECT_TRUE(mutexName == L"Local\\Zorv2Demo.Running") << c.name;
        EXPECT_TRUE(MciRecorder::calls.empty()) << c.name;
        EXPECT_EQ(FakeTempPath::asked, 0) << c.name;
    }
}

} // namespace
