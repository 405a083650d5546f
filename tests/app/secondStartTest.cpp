// A second start while a demo runs: the running demo comes to the front and the second ends with
// 0 before it makes a window, a file or a sound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/MciRecorder.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

const HWND RUNNING_WINDOW = reinterpret_cast<HWND>(0x4242);
const HANDLE MUTEX = reinterpret_cast<HANDLE>(0x77);

struct Answers {
    bool mutexMade;
    DWORD lastError;
    int windowAtLook; // the look of FindWindowA that finds the window; 0 for none
    BOOL minimised;
};
// The requests, in call order.
struct Requests {
    Answers answers;
    std::vector<std::string> calls;
    std::wstring mutexName;
    int looks;
};
Requests record;

HANDLE WINAPI fakeCreateMutexW(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCWSTR name) {
    record.calls.push_back(initialOwner ? "CreateMutexW owned" : "CreateMutexW");
    record.mutexName = name ? name : L"";
    return record.answers.mutexMade ? MUTEX : nullptr;
}
DWORD WINAPI fakeGetLastError() {
    return record.answers.lastError;
}
HWND WINAPI fakeFindWindowA(LPCSTR className, LPCSTR windowName) {
    record.calls.push_back("FindWindowA " + std::string(className) + (windowName ? "+name" : ""));
    return ++record.looks == record.answers.windowAtLook ? RUNNING_WINDOW : nullptr;
}
BOOL WINAPI fakeIsIconic(HWND window) {
    EXPECT_EQ(window, RUNNING_WINDOW);
    return record.answers.minimised;
}
BOOL WINAPI fakeShowWindow(HWND window, int command) {
    record.calls.push_back(window == RUNNING_WINDOW && command == SW_RESTORE ? "restore" : "show");
    return TRUE;
}
BOOL WINAPI fakeSetForegroundWindow(HWND window) {
    record.calls.push_back(window == RUNNING_WINDOW ? "to front" : "other to front");
    return TRUE;
}
void WINAPI fakeSleep(DWORD ms) {
    record.calls.push_back("Sleep " + std::to_string(ms));
}
// Refused, so a start that goes on ends here instead of making a real window.
ATOM WINAPI fakeRegisterClassA(const WNDCLASSA *) {
    record.calls.push_back("RegisterClassA");
    return 0;
}

struct Case {
    const char *name;
    Answers answers;
    std::vector<std::string> expectedAfterMutex;
};

const std::string FIND = "FindWindowA Zorv2 Demo. Try ALT+ENTER :)";
const std::vector<std::string> TWENTY_LOOKS = [] {
    std::vector<std::string> looks;
    for (int i = 1; i < 20; ++i) {
        looks.insert(looks.end(), {FIND, "Sleep 50"});
    }
    looks.push_back(FIND);
    return looks;
}();

TEST(SecondStart, ActivatesTheRunningDemoAndEndsWithZeroOrStartsAsTheFirst) {
    const Case cases[] = {
        {"running demo shown", {true, ERROR_ALREADY_EXISTS, 1, FALSE}, {FIND, "to front"}},
        {"running demo minimised",
         {true, ERROR_ALREADY_EXISTS, 1, TRUE},
         {FIND, "restore", "to front"}},
        {"running demo still starting",
         {true, ERROR_ALREADY_EXISTS, 3, FALSE},
         {FIND, "Sleep 50", FIND, "Sleep 50", FIND, "to front"}},
        {"no window within the bound", {true, ERROR_ALREADY_EXISTS, 0, FALSE}, TWENTY_LOOKS},
        {"first demo", {true, 0, 1, FALSE}, {"RegisterClassA"}},
        {"no name to claim", {false, ERROR_ACCESS_DENIED, 1, FALSE}, {"RegisterClassA"}},
    };
    for (const Case &c : cases) {
        PlatformOverride calls;
        record = Requests{c.answers, {}, L"", 0};
        calls.set(&PlatformCalls::CreateMutexW, fakeCreateMutexW);
        calls.set(&PlatformCalls::GetLastError, fakeGetLastError);
        calls.set(&PlatformCalls::FindWindowA, fakeFindWindowA);
        calls.set(&PlatformCalls::IsIconic, fakeIsIconic);
        calls.set(&PlatformCalls::ShowWindow, fakeShowWindow);
        calls.set(&PlatformCalls::SetForegroundWindow, fakeSetForegroundWindow);
        calls.set(&PlatformCalls::Sleep, fakeSleep);
        calls.set(&PlatformCalls::RegisterClassA, fakeRegisterClassA);
        MciRecorder::install(calls);
        FakeTempPath::install(calls, "C:\\temp\\");

        EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 0) << c.name;

        std::vector<std::string> expected = {"CreateMutexW"};
        expected.insert(expected.end(), c.expectedAfterMutex.begin(), c.expectedAfterMutex.end());
        EXPECT_EQ(record.calls, expected) << c.name;
        EXPECT_TRUE(record.mutexName == L"Local\\Zorv2Demo.Running") << c.name;
        EXPECT_TRUE(MciRecorder::calls.empty()) << c.name;
        EXPECT_EQ(FakeTempPath::asked, 0) << c.name;
    }
}

} // namespace
