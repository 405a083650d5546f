// DDrawCallLog: the ordered record of every call made on the DirectDraw test doubles (and on
// the platform functions the tests fake), and the list of calls a test wants to fail.
#pragma once

#include <string>
#include <vector>

#include <windows.h>
#include <ddraw.h>

// One recorded call: the method and the arguments that matter to the tests.
struct DDrawCall {
    const void *object = nullptr; // the fake that received the call; null for platform calls
    std::string objectName;       // e.g. "ddraw2", "surface1", "clipper1", "platform"
    std::string method;           // e.g. "BltFast", "CreateSurface", "GetDC"
    DWORD flags = 0;              // dwFlags / dwTrans / dwCooperativeLevel flags
    bool hasRect = false;         // destination rectangle given
    RECT rect = {};
    bool hasSourceRect = false; // source rectangle given
    RECT sourceRect = {};
    POINT point = {};                     // BltFast destination, ClientToScreen point
    IDirectDrawSurface *source = nullptr; // source surface of Blt / BltFast
    const void *argument = nullptr;       // clipper of SetClipper, target of Flip, HDC, ...
    const void *argument2 = nullptr;      // second pointer argument (StretchDIBits' bits)
    const void *argument3 = nullptr;      // third pointer argument (StretchDIBits' info)
    DWORD caps = 0;                       // ddsCaps.dwCaps of CreateSurface / GetAttachedSurface
    DWORD width = 0;                      // sizes of CreateSurface / SetDisplayMode
    DWORD height = 0;
    DWORD bitsPerPixel = 0;
    DWORD refreshRate = 0;
    DWORD backBufferCount = 0;
    DWORD descSize = 0;        // dwSize of the DDSURFACEDESC / DDBLTFX handed in
    DWORD colour = 0;          // fill colour, or the low value of a colour key
    DWORD colourHigh = 0;      // high value of a colour key
    HWND window = nullptr;     // SetCooperativeLevel / SetHWnd / GetDC / GetClientRect
    int index = 0;             // GetDeviceCaps index
    GUID iid = {};             // interface asked for by QueryInterface
    std::string text;          // TextOutA's text
    bool afterRelease = false; // the object's reference count had already reached zero
};

class DDrawCallLog {
  public:
    // Makes the occurrence-th call (1-based; 0 = every call) of method return result.
    // With object set, only calls on that object count.
    void failCall(const std::string &method, int occurrence, HRESULT result,
                  const void *object = nullptr);
    // Records call and returns DD_OK or the result a failCall asked for.
    HRESULT record(const DDrawCall &call);

    // The method names in call order, optionally only those of one object.
    std::vector<std::string> methods(const void *object = nullptr) const;
    // Every recorded call of method (on object, when given).
    std::vector<DDrawCall> callsOf(const std::string &method, const void *object = nullptr) const;
    int count(const std::string &method, const void *object = nullptr) const;
    // Number of calls made on an object whose reference count had already reached zero.
    int callsAfterRelease() const;
    void clear() { calls.clear(); }

    std::vector<DDrawCall> calls;

  private:
    struct Failure {
        std::string method;
        int occurrence;
        HRESULT result;
        const void *object;
        int seen;
    };
    std::vector<Failure> failures;
};
