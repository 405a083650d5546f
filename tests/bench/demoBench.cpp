// Demo benchmark: watches the real Zorv2Demo.exe (in ZORV2_DEMO_DIR) from outside, as a user
// sees it, for scripts/bench.
//   demo_bench read-out SECONDS   the "Frame Rate = NN" read-out, once a second for SECONDS
//   demo_bench first-frame RUNS   milliseconds from starting the demo to its first frame on the
//                                 screen, beside the same for a bare window (median of RUNS)
//   demo_bench bare-window        the bare window: a white 640 x 480 window and nothing else
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "e2e/DemoProcess.h"
#include "e2e/FrameRateReader.h"
#include "e2e/ScreenCapture.h"

namespace {

constexpr DWORD WINDOW_TIMEOUT_MS = 20000;
// The read-out is first computed a full second after the start; give it two.
constexpr DWORD SETTLE_MS = 2500;
constexpr DWORD READ_OUT_EVERY_MS = 1000;
constexpr const char *BARE_WINDOW_CLASS = "Zorv2BareWindow";
// The read-out's place: white text at the window's top-left corner.
constexpr int TEXT_WIDTH = 200;
constexpr int TEXT_HEIGHT = 24;

LRESULT CALLBACK bareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// The bare Wine program: opens a white window of the demo's size and waits to be ended.
int runBareWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = bareWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = BARE_WINDOW_CLASS;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, BARE_WINDOW_CLASS, "bare window", WS_POPUP, 192, 144, 640, 480,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

double secondsSince(const LARGE_INTEGER &start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// The visible window of class windowClass owned by process processId, or null.
HWND visibleWindowOf(const char *windowClass, DWORD processId) {
    HWND window = FindWindowA(windowClass, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return window && owner == processId && IsWindowVisible(window) ? window : nullptr;
}

// What the screen shows at the window's top-left corner, where the read-out is.
Capture captureTopLeft(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return captureScreen({rect.left, rect.top, rect.left + TEXT_WIDTH, rect.top + TEXT_HEIGHT});
}

bool showsWhite(const Capture &capture) {
    return std::any_of(capture.pixels.begin(), capture.pixels.end(), isWhite);
}

// Starts commandLine and returns the seconds until a window of windowClass shows white at its
// top-left (the demo's read-out, the bare window's background); -1 when it never does.
double secondsToFirstWhite(const std::string &commandLine, const char *windowClass) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    std::string folder = folderFromEnvironment("ZORV2_DEMO_DIR");
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return -1;
    double seconds = -1;
    while (secondsSince(start) * 1000 < WINDOW_TIMEOUT_MS) {
        HWND window = visibleWindowOf(windowClass, process.dwProcessId);
        if (window && showsWhite(captureTopLeft(window))) {
            seconds = secondsSince(start);
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

int runFirstFrame(int runs) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string demo = "\"" + folderFromEnvironment("ZORV2_DEMO_DIR") + "\\Zorv2Demo.exe\"";
    std::string bare = "\"" + std::string(self) + "\" bare-window";
    std::vector<double> demoTimes, bareTimes;
    for (int run = 0; run < runs; ++run) {
        demoTimes.push_back(secondsToFirstWhite(demo, DEMO_WINDOW_CLASS) * 1000);
        bareTimes.push_back(secondsToFirstWhite(bare, BARE_WINDOW_CLASS) * 1000);
        std::printf("run %d: demo %.0f ms, bare window %.0f ms\n", run + 1, demoTimes.back(),
                    bareTimes.back());
    }
    std::printf("first-frame demo %.0f bare %.0f\n", median(demoTimes), median(bareTimes));
    return 0;
}

int runReadOut(int seconds) {
    DemoProcess demo;
    if (!demo.start(folderFromEnvironment("ZORV2_DEMO_DIR"))) {
        std::printf("the demo did not start\n");
        return 1;
    }
    HWND window = demo.waitForMainWindow(WINDOW_TIMEOUT_MS);
    if (!window) {
        std::printf("the demo's window did not show\n");
        return 1;
    }
    Sleep(SETTLE_MS);
    // The captures are read after the measuring, so reading them costs the machine nothing then.
    std::printf("measuring\n");
    std::fflush(stdout);
    std::vector<Capture> captures;
    for (int second = 0; second < seconds; ++second) {
        Sleep(READ_OUT_EVERY_MS);
        captures.push_back(captureTopLeft(window));
    }
    std::printf("measured\n");
    std::fflush(stdout);
    std::vector<int> rates;
    for (const Capture &capture : captures)
        rates.push_back(readFrameRate(capture));
    std::printf("read-outs:");
    for (int rate : rates)
        std::printf(" %d", rate);
    std::printf("\nread-out min %d max %d\n", *std::min_element(rates.begin(), rates.end()),
                *std::max_element(rates.begin(), rates.end()));
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    const char *mode = argc > 1 ? argv[1] : "";
    int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (std::strcmp(mode, "bare-window") == 0)
        return runBareWindow();
    if (std::strcmp(mode, "first-frame") == 0 && count > 0)
        return runFirstFrame(count);
    if (std::strcmp(mode, "read-out") == 0 && count > 0)
        return runReadOut(count);
    std::printf("usage: demo_bench read-out SECONDS | first-frame RUNS | bare-window\n");
    return 2;
}
