// DemoProcess: starts the real Zorv2Demo.exe as a user would and watches it from outside:
// its window, its message boxes, its exit code.
#pragma once

#include <string>

#include <windows.h>

class DemoProcess {
  public:
    DemoProcess() = default;
    ~DemoProcess();
    DemoProcess(const DemoProcess &) = delete;
    DemoProcess &operator=(const DemoProcess &) = delete;

    // Starts the build's demo with workingDirectory as its current directory.
    bool start(const std::string &workingDirectory);
    // Starts the demo program at programPath (a Windows path) in workingDirectory, with the
    // command-line arguments given.
    bool startProgram(const std::string &programPath, const std::string &workingDirectory,
                      const std::string &arguments = "");
    // The demo's main window, found by its class name once visible; null when none shows in time.
    HWND waitForMainWindow(DWORD timeoutMs);
    // The first top-level window of the demo captioned title; null when none shows in time.
    HWND waitForWindowTitled(const char *title, DWORD timeoutMs);
    // Waits for the process to end; true with its exit code when it ended in time.
    bool waitForExit(DWORD timeoutMs, DWORD &exitCode);
    bool isRunning() const;
    DWORD processId() const { return info.dwProcessId; }

  private:
    PROCESS_INFORMATION info = {};
};

// The demo's window-class name, which is also its window text.
extern const char *const DEMO_WINDOW_CLASS;

// The Windows path of a folder given by the test environment variable name (a Unix path).
std::string folderFromEnvironment(const char *variable);

// The top-level windows of process processId captioned title.
int countWindowsTitled(DWORD processId, const char *title);

// The text of the message box window: the text of its static control.
std::string messageBoxText(HWND messageBox);
