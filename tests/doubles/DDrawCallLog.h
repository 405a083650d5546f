// DDrawCallLog: the ordered record of every call made on the DirectDraw test doubles (and on
// the platform functions the tests fake), and the list of calls a test wants to fail.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <windows.h>
#include <ddraw.h>

// One recorded call: the method and the arguments that matter to the tests. Each field holds
// one kind of argument; the calls that have none leave it at its zero.
struct DDrawCall {
    const void *object = nullptr; // the double that received the call; null for platform calls
    std::string objectName;       // e.g. "ddraw2", "surface1", "clipper1", "platform"
    std::string method;           // e.g. "BltFast", "CreateSurface", "GetDC"
    DWORD flags = 0;              // the call's flags; BltFast's dwTrans; DDSURFACEDESC.dwFlags

    // Rectangles and places.
    bool hasRect = false; // Blt's destination rectangle given
    RECT rect = {};       // Blt's destination rectangle; the rectangle OffsetRect moves
    bool hasSourceRect = false;
    RECT sourceRect = {}; // Blt's and BltFast's source rectangle
    POINT position = {};  // where BltFast, StretchDIBits and TextOutA draw; ClientToScreen's point
    POINT offset = {};    // OffsetRect's dx, dy

    // Objects and handles passed in.
    IDirectDrawSurface *source = nullptr; // source surface of Blt / BltFast
    const void *clipper = nullptr;        // SetClipper's clipper
    const void *flipTarget = nullptr;     // Flip's target override
    const GUID *driver = nullptr;         // DirectDrawCreate's driver
    const IUnknown *outer = nullptr;      // DirectDrawCreate's outer object
    HWND window = nullptr; // SetCooperativeLevel / SetHWnd / GetDC / ReleaseDC / GetClientRect
    HDC dc = nullptr;      // the device context a GDI call, GetDeviceCaps or ReleaseDC gets
    GUID iid = {};         // interface asked for by QueryInterface

    // Surfaces and display modes.
    DWORD structSize = 0; // dwSize of the DDSURFACEDESC / DDBLTFX handed in
    DWORD caps = 0;       // ddsCaps.dwCaps of CreateSurface / GetAttachedSurface
    DWORD width = 0;      // sizes of CreateSurface / SetDisplayMode / StretchDIBits' destination
    DWORD height = 0;
    DWORD bitsPerPixel = 0;
    DWORD refreshRate = 0;
    DWORD backBufferCount = 0;
    DWORD fillColour = 0;    // Blt's DDBLTFX.dwFillColor
    DWORD colourKeyLow = 0;  // SetColorKey's key
    DWORD colourKeyHigh = 0; //

    // GDI.
    int capabilityIndex = 0;                // GetDeviceCaps' index
    const void *bits = nullptr;             // StretchDIBits' pixels
    const BITMAPINFO *bitmapInfo = nullptr; // StretchDIBits' header and colour table
    POINT sourceOrigin = {};                // StretchDIBits' source corner
    SIZE sourceSize = {};                   // StretchDIBits' source size
    UINT colourUsage = 0;                   // StretchDIBits' iUsage
    DWORD rasterOperation = 0;              // StretchDIBits' rop
    int backgroundMode = 0;                 // SetBkMode's mode
    COLORREF textColour = 0;                // SetTextColor's colour
    std::string text;                       // TextOutA's text
    int textLength = 0;                     // TextOutA's length

    bool afterRelease = false; // the object's reference count had already reached zero
};

// A list of recorded calls. Taking a call past its end fails the running test and gives an empty
// record instead of reading past the list, so a case that misses a call fails alone and the
// cases after it still run and are reported.
class DDrawCalls : public std::vector<DDrawCall> {
  public:
    DDrawCalls() = default;
    DDrawCalls(std::vector<DDrawCall> calls) : std::vector<DDrawCall>(std::move(calls)) {}
    const DDrawCall &operator[](size_t index) const;
    DDrawCall &operator[](size_t index);
};

// A record of a call of a platform function (objectName "platform").
DDrawCall platformCall(const char *method);

class DDrawCallLog {
  public:
    // Makes the occurrence-th call (1-based; 0 = every call) of method return result.
    // With object set, only calls on that object count.
    void failCall(const std::string &method, int occurrence, HRESULT result,
                  const void *object = nullptr);
    // Records call and returns DD_OK or the result a failCall asked for.
    HRESULT record(const DDrawCall &call);
    // Records a call of a method the doubles do not implement, and refuses it.
    HRESULT refuse(const DDrawCall &call);

    // The method names in call order, optionally only those of one object.
    std::vector<std::string> methods(const void *object = nullptr) const;
    // Every recorded call of method (on object, when given).
    DDrawCalls callsOf(const std::string &method, const void *object = nullptr) const;
    int count(const std::string &method, const void *object = nullptr) const;
    // Number of calls made on an object whose reference count had already reached zero.
    int callsAfterRelease() const;
    void clear() { calls.clear(); }

    DDrawCalls calls;

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
