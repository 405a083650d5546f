// Soak: 200 Alt+Enter toggles in a Wine virtual desktop. Afterwards the demo is windowed,
// centred and animating at its pace; after a warm-up of 10 toggles its resident memory has grown
// by at most 1 MB and its open handles not at all; Escape ends it with exit code 0.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <windows.h>
#include <winternl.h>

#include "DemoProcess.h"
#include "DisplayMode.h"
#include "FrameRateReader.h"
#include "Keyboard.h"
#include "ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD SETTLE_TIMEOUT_MS = 5000;
constexpr int TOGGLES = 200;
constexpr int WARM_UP_TOGGLES = 10;
constexpr SIZE_T RESIDENT_GROWTH_LIMIT = 1024 * 1024;
constexpr ULONG SYSTEM_HANDLE_INFORMATION_CLASS = 16;
constexpr ULONG SYSTEM_PROCESS_INFORMATION_CLASS = 5;
constexpr NTSTATUS STATUS_INFO_LENGTH_MISMATCH_CODE = static_cast<NTSTATUS>(0xC0000004);

struct Counters {
    SIZE_T resident = 0;
    ULONG handles = 0;    // every open handle but registry keys
    ULONG keyHandles = 0; // registry keys, which Wine's display-mode change leaks
};

typedef NTSTATUS(NTAPI *QuerySystemInformation)(ULONG, PVOID, ULONG, PULONG);

QuerySystemInformation systemQuery() {
    static auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    return query;
}

// Fills buffer with the system information of class infoClass, growing it as asked.
bool querySystem(ULONG infoClass, std::vector<BYTE> &buffer) {
    QuerySystemInformation query = systemQuery();
    for (buffer.resize(1 << 20); query && buffer.size() <= (1u << 28);
         buffer.resize(buffer.size() * 2)) {
        ULONG needed = 0;
        NTSTATUS status =
            query(infoClass, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status != STATUS_INFO_LENGTH_MISMATCH_CODE) {
            return status == 0;
        }
    }
    return false;
}

// The resident memory of process processId, as the system's process list gives it.
// NOTE: under Wine, GetProcessMemoryInfo of another process reads 0; the process list carries
// the resident size from /proc.
bool readResident(DWORD processId, SIZE_T &resident) {
    std::vector<BYTE> buffer;
    if (!querySystem(SYSTEM_PROCESS_INFORMATION_CLASS, buffer)) {
        return false;
    }
    for (size_t at = 0;;) {
        auto *process = reinterpret_cast<SYSTEM_PROCESS_INFORMATION *>(&buffer[at]);
        if (reinterpret_cast<ULONG_PTR>(process->UniqueProcessId) == processId) {
            resident = process->VirtualMemoryCounters.WorkingSetSize;
            return true;
        }
        if (process->NextEntryOffset == 0) {
            return false;
        }
        at += process->NextEntryOffset;
    }
}

// The object-type number the system gives registry keys, read from a key this process opens.
int registryKeyType(const std::vector<BYTE> &buffer, HKEY key) {
    auto *list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION *>(buffer.data());
    for (ULONG i = 0; i < list->Count; ++i) {
        const SYSTEM_HANDLE_ENTRY &entry = list->Handle[i];
        if (entry.OwnerPid == GetCurrentProcessId() &&
            entry.HandleValue == static_cast<USHORT>(reinterpret_cast<ULONG_PTR>(key))) {
            return entry.ObjectType;
        }
    }
    return -1;
}

// Counts the open handles of process processId one by one from the system's handle list,
// registry keys apart.
// NOTE: Wine 8 leaks six registry-key handles in every process that changes the display mode
// and back: ChangeDisplaySettingsExA to 640 x 480 and back alone, without DirectDraw, takes a
// process from 21 live handles to 39, 45, 51 ... 93 after ten pairs. The process list's
// HandleCount is no count either under Wine: it is the size of the server's handle table, which
// doubles as the table fills (128 after 10 toggles, 1,024 after 200). So the soak holds the
// demo's own handles, all but keys, to no growth, and prints the keys apart.
bool readHandles(DWORD processId, Counters &counters) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<BYTE> buffer;
    bool listed = querySystem(SYSTEM_HANDLE_INFORMATION_CLASS, buffer);
    RegCloseKey(key);
    int keyType = listed ? registryKeyType(buffer, key) : -1;
    if (keyType < 0) {
        return false;
    }
    auto *list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION *>(buffer.data());
    counters.handles = 0;
    counters.keyHandles = 0;
    for (ULONG i = 0; i < list->Count; ++i) {
        const SYSTEM_HANDLE_ENTRY &entry = list->Handle[i];
        if (entry.OwnerPid == processId) {
            ++(entry.ObjectType == keyType ? counters.keyHandles : counters.handles);
        }
    }
    return true;
}

// The resident memory and open handles of process processId.
bool readCounters(DWORD processId, Counters &counters) {
    return readResident(processId, counters.resident) && readHandles(processId, counters);
}

// Where the demo's window belongs once a toggle has finished: at the top-left corner of the
// 640 x 480 mode in full screen, in the middle of the desktop when windowed.
RECT settledRect(bool fullScreen, const DEVMODEA &desktop) {
    if (fullScreen) {
        return {0, 0, 640, 480};
    }
    return centredWindowRect(desktop);
}

// Presses Alt+Enter and waits until the demo has finished the toggle: the display mode has the
// width it should, and the window its place in that mode.
// NOTE: Wine changes the mode back to the desktop's inside the toggle, while the full-screen
// DirectDraw object still holds the window, and stretches the window over the whole desktop at
// (0, 0); the demo centres it 50 to 220 ms later here, at the end of the toggle. The mode alone
// is no sign that the toggle is over.
bool toggle(HWND window, bool fullScreen, const DEVMODEA &desktop) {
    pressAltEnter(window);
    const DWORD expectedWidth = fullScreen ? 640 : desktop.dmPelsWidth;
    const RECT expected = settledRect(fullScreen, desktop);
    DWORD start = GetTickCount();
    for (;;) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        if (currentMode().dmPelsWidth == expectedWidth && EqualRect(&rect, &expected)) {
            return true;
        }
        if (GetTickCount() - start > SETTLE_TIMEOUT_MS) {
            return false;
        }
        Sleep(20);
    }
}

// Prints one line of the soak's figures, and keeps it in the XML report too.
// NOTE: under Wine 10 (Debian 13) none of these lines reached the log of scripts/fuzz from the
// virtual desktop, though the case passed; the report carries them on every Wine.
void reportFigures(const char *key, const char *format, ...) {
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    std::printf("%s\n", line);
    ::testing::Test::RecordProperty(key, line);
}

TEST(Soak, TwoHundredTogglesLeaveTheDemoWindowedAnimatedAndNoLarger) {
    if (!std::getenv("ZORV2_E2E_VIRTUAL_DESKTOP")) {
        GTEST_SKIP() << "needs a Wine virtual desktop, where display modes can change";
    }
    const DEVMODEA desktop = currentMode();
    DemoProcess demo;
    ASSERT_TRUE(demo.start(folderFromEnvironment("ZORV2_DEMO_DIR")));
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    ASSERT_NE(window, nullptr);
    Sleep(1500);

    Counters warm, last;
    DWORD started = GetTickCount();
    for (int i = 1; i <= TOGGLES; ++i) {
        bool fullScreen = i % 2 == 1;
        ASSERT_TRUE(toggle(window, fullScreen, desktop))
            << "toggle " << i << " did not reach its mode and window place";
        if (i == WARM_UP_TOGGLES) {
            Sleep(500);
            ASSERT_TRUE(readCounters(demo.processId(), warm));
        }
    }
    DWORD elapsed = GetTickCount() - started;
    Sleep(500);
    ASSERT_TRUE(readCounters(demo.processId(), last));
    reportFigures("soak",
                  "soak: %d toggles in %.1f s; resident %.1f MB after %d, %.1f MB after %d "
                  "(%+lld bytes); handles %lu, then %lu (registry keys apart: %lu, then %lu)",
                  TOGGLES, elapsed / 1000.0, warm.resident / 1048576.0, WARM_UP_TOGGLES,
                  last.resident / 1048576.0, TOGGLES,
                  static_cast<long long>(last.resident) - static_cast<long long>(warm.resident),
                  warm.handles, last.handles, warm.keyHandles, last.keyHandles);
    EXPECT_GT(warm.resident, 0u) << "no resident size could be read";
    EXPECT_GT(warm.handles, 0u) << "no handle count could be read";
    EXPECT_LE(last.resident, warm.resident + RESIDENT_GROWTH_LIMIT);
    EXPECT_LE(last.handles, warm.handles);

    RECT rect = {};
    GetWindowRect(window, &rect);
    const RECT centred = centredWindowRect(desktop);
    EXPECT_EQ(rect.left, centred.left);
    EXPECT_EQ(rect.top, centred.top);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);
    Sleep(2500); // the rate shown is measured over a whole second
    int rate = readFrameRate(captureScreen(rect));
    reportFigures("afterwards",
                  "soak: afterwards windowed at (%ld, %ld), %ld x %ld, reading Frame Rate = %02d",
                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, rate);
    EXPECT_GE(rate, 30) << "Frame Rate text not found or too slow";
    EXPECT_LE(rate, 90);

    pressKey(window, VK_ESCAPE);
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(demo.waitForExit(EXIT_TIMEOUT_MS, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
