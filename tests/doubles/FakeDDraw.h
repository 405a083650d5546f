// FakeDDraw: puts recording DirectDraw test doubles behind platform.DirectDrawCreate for the
// life of one test. Every DirectDrawCreate makes a new FakeDirectDraw; all of them, with their
// surfaces and clippers, record into one ordered log and live until the FakeDDraw goes.
// Frame pacing is switched off meanwhile, since the fake vertical-blank wait returns at once.
//
//   FakeDDraw fake;                                   // DirectDrawCreate now hands out fakes
//   fake.failCall("BltFast", 1, DDERR_SURFACELOST);   // first BltFast reports a lost surface
//   ... run the code ...
//   fake.bltFastOnto(display.backBuffer->surface);    // the blits onto the back buffer
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <ddraw.h>

#include "DDrawCallLog.h"
#include "FakeDirectDraw.h"
#include "PlatformOverride.h"

class FakeDDraw {
  public:
    FakeDDraw();
    // Puts the previous DirectDrawCreate back and clears the process-wide directDraw when it
    // still points at one of these fakes.
    ~FakeDDraw();
    FakeDDraw(const FakeDDraw &) = delete;
    FakeDDraw &operator=(const FakeDDraw &) = delete;

    // Makes the occurrence-th call (1-based; 0 = every call) of method return result; with
    // object set, only calls on that object count. "DirectDrawCreate" can be failed too.
    void failCall(const std::string &method, int occurrence, HRESULT result,
                  const void *object = nullptr) {
        log.failCall(method, occurrence, result, object);
    }

    // The newest DirectDraw object, or null before the first DirectDrawCreate.
    FakeDirectDraw *latest() const;
    // Its IDirectDraw2 face, or null.
    FakeDirectDraw2 *latest2() const;
    // Makes a DirectDraw object as a set-up would (DirectDrawCreate + QueryInterface + Release)
    // and puts its IDirectDraw2 into the process-wide directDraw; for Surface tests.
    IDirectDraw2 *installAsDirectDraw();
    // The fake surface behind an interface pointer that any of the objects handed out.
    FakeDirectDrawSurface *find(const IDirectDrawSurface *surface) const;
    // The BltFast calls made onto destination, in order.
    DDrawCalls bltFastOnto(const IDirectDrawSurface *destination) const;

    DDrawCallLog log;
    // Size of the primary surfaces (the screen) of the objects made from now on.
    DWORD screenWidth = 640;
    DWORD screenHeight = 480;
    std::vector<std::unique_ptr<FakeDirectDraw>> objects;

    // The FakeDDraw in place, or null.
    static FakeDDraw *current;

  private:
    FakeDDraw *previousCurrent;
    bool previousPacing;
    PlatformOverride calls;
};
