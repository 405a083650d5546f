#include "DemoProcess.h"

#include <cstdlib>
#include <vector>

#include "support/wineUnixPath.h"

const char *const DEMO_WINDOW_CLASS = "Zorv2 Demo. Try ALT+ENTER :)";

namespace {

// Polls finder every 50 ms until it yields a window or timeoutMs has passed.
template <typename Finder> HWND pollForWindow(Finder finder, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = finder()) {
            return window;
        }
        if (GetTickCount() - start > timeoutMs) {
            return nullptr;
        }
        Sleep(50);
    }
}

struct WindowSearch {
    DWORD processId;
    const char *title;
    std::vector<HWND> found;
};

// Collects the visible top-level windows of one process that carry the wanted title.
BOOL CALLBACK collectTitledWindow(HWND window, LPARAM parameter) {
    WindowSearch &search = *reinterpret_cast<WindowSearch *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (owner == search.processId && IsWindowVisible(window) && std::string(text) == search.title) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> windowsTitled(DWORD processId, const char *title) {
    WindowSearch search = {processId, title, {}};
    EnumWindows(collectTitledWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Collects the text of every static control of a dialog.
BOOL CALLBACK collectStaticText(HWND child, LPARAM parameter) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        char text[512] = {};
        GetWindowTextA(child, text, sizeof text);
        *reinterpret_cast<std::string *>(parameter) += text;
    }
    return TRUE;
}

} // namespace

DemoProcess::~DemoProcess() {
    if (info.hProcess) {
        if (isRunning()) {
            TerminateProcess(info.hProcess, 1);
            WaitForSingleObject(info.hProcess, 5000);
        }
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

bool DemoProcess::start(const std::string &workingDirectory) {
    return startProgram(folderFromEnvironment("ZORV2_DEMO_DIR") + "\\Zorv2Demo.exe",
                        workingDirectory);
}

bool DemoProcess::startProgram(const std::string &programPath, const std::string &workingDirectory,
                               const std::string &arguments) {
    std::string command = "\"" + programPath + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDirectory.c_str(), &startup, &info) != 0;
}

HWND DemoProcess::waitForMainWindow(DWORD timeoutMs) {
    return pollForWindow(
        [this]() -> HWND {
            // The window is created hidden and shown a moment later; a user sees it then.
            HWND window = FindWindowA(DEMO_WINDOW_CLASS, nullptr);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            return owner == info.dwProcessId && IsWindowVisible(window) ? window : nullptr;
        },
        timeoutMs);
}

HWND DemoProcess::waitForWindowTitled(const char *title, DWORD timeoutMs) {
    return pollForWindow(
        [this, title]() -> HWND {
            std::vector<HWND> found = windowsTitled(info.dwProcessId, title);
            return found.empty() ? nullptr : found.front();
        },
        timeoutMs);
}

bool DemoProcess::waitForExit(DWORD timeoutMs, DWORD &exitCode) {
    if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(info.hProcess, &exitCode) != 0;
}

bool DemoProcess::isRunning() const {
    return WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT;
}

std::string folderFromEnvironment(const char *variable) {
    const char *unixPath = std::getenv(variable);
    return wineUnixPath(unixPath ? unixPath : "");
}

int countWindowsTitled(DWORD processId, const char *title) {
    return static_cast<int>(windowsTitled(processId, title).size());
}

std::string messageBoxText(HWND messageBox) {
    std::string text;
    EnumChildWindows(messageBox, collectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}
