// ScenePlatform: recording stand-ins for the window, message-box and clock calls that the scene
// makes through the platform table, with the shared MCI and temporary-path recorders
// (MciRecorder, FakeTempPath). The DirectDraw, GDI and screen calls have their own doubles in
// tests/doubles (FakeDDraw, FakeGdi, FakeScreen).
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "doubles/MciRecorder.h"
#include "doubles/PlatformOverride.h"

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct WindowPosCall {
    HWND window;
    HWND insertAfter;
    int x;
    int y;
    int width;
    int height;
    UINT flags;
};

// What the stand-ins answer, and what they were asked, in the order asked.
struct SceneCallRecord {
    // Answers.
    int screenWidth = 1024;
    int screenHeight = 768;
    DWORD now = 0;          // what timeGetTime reports
    bool minimised = false; // what IsIconic reports
    // What GetModuleFileNameW reports as the program's path.
    std::wstring programPath = L".\\scene-program\\scene_tests.exe";

    // Requests.
    std::vector<std::string> calls; // every stand-in's name, in call order
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<int> quitCodes;
    std::vector<WindowPosCall> windowPositions;
};

extern SceneCallRecord sceneCalls;

// Clears the record and puts every stand-in into the platform table until it goes.
class ScenePlatform {
  public:
    ScenePlatform();

  private:
    PlatformOverride calls;
};

// The index in sceneCalls.calls of the first call named name; -1 when there is none.
int firstCallIndex(const std::string &name);
