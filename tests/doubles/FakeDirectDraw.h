// FakeDirectDraw: one recording DirectDraw object with its two faces, IDirectDraw (what
// DirectDrawCreate hands out; the object itself) and IDirectDraw2 (what QueryInterface gives,
// `second`). Both faces are one method list, DirectDrawFace; every call goes to the object,
// recorded under the face's name. The object owns every surface and clipper made through it and
// ends them when its last reference goes, as DirectDraw does. Nothing is freed before the fake
// itself, so tests may inspect released objects and see calls made on them
// (DDrawCall::afterRelease).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <ddraw.h>

#include "ComDouble.h"
#include "DDrawCallLog.h"
#include "FakeDirectDrawClipper.h"
#include "FakeDirectDrawSurface.h"

class FakeDirectDraw;

// One face of the DirectDraw object: the methods IDirectDraw and IDirectDraw2 share.
template <class Interface> class DirectDrawFace : public Interface {
  public:
    DirectDrawFace(FakeDirectDraw &owner, const char *name) : owner(owner), name(name) {}
    DirectDrawFace(const DirectDrawFace &) = delete;
    DirectDrawFace &operator=(const DirectDrawFace &) = delete;
    virtual ~DirectDrawFace() = default;

    FakeDirectDraw &owner;
    const char *const name; // "ddraw" or "ddraw2" in the records
    LONG refCount = 0;

    STDMETHOD(QueryInterface)(REFIID riid, void **object) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(CreateClipper)(DWORD flags, LPDIRECTDRAWCLIPPER *clipper, IUnknown *outer) override;
    STDMETHOD(CreateSurface)
    (LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface, IUnknown *outer) override;
    STDMETHOD(RestoreDisplayMode)() override;
    STDMETHOD(SetCooperativeLevel)(HWND window, DWORD flags) override;
    STDMETHOD(WaitForVerticalBlank)(DWORD flags, HANDLE event) override;

    UNSUPPORTED_METHOD(Compact)
    UNSUPPORTED_METHOD(CreatePalette, DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE *, IUnknown *)
    UNSUPPORTED_METHOD(DuplicateSurface, LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE *)
    UNSUPPORTED_METHOD(EnumDisplayModes, DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK)
    UNSUPPORTED_METHOD(EnumSurfaces, DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK)
    UNSUPPORTED_METHOD(FlipToGDISurface)
    UNSUPPORTED_METHOD(GetCaps, LPDDCAPS, LPDDCAPS)
    UNSUPPORTED_METHOD(GetDisplayMode, LPDDSURFACEDESC)
    UNSUPPORTED_METHOD(GetFourCCCodes, LPDWORD, LPDWORD)
    UNSUPPORTED_METHOD(GetGDISurface, LPDIRECTDRAWSURFACE *)
    UNSUPPORTED_METHOD(GetMonitorFrequency, LPDWORD)
    UNSUPPORTED_METHOD(GetScanLine, LPDWORD)
    UNSUPPORTED_METHOD(GetVerticalBlankStatus, WINBOOL *)
    UNSUPPORTED_METHOD(Initialize, GUID *)

  protected:
    // A call record addressed to this face.
    DDrawCall call(const char *method) const;
    HRESULT unsupported(const char *method);
};

// Both faces are made once, in FakeDirectDraw.cpp, where the object they forward to is known.
extern template class DirectDrawFace<IDirectDraw>;
extern template class DirectDrawFace<IDirectDraw2>;

// The IDirectDraw2 face: SetDisplayMode with a refresh rate, and the video-memory query.
class FakeDirectDraw2 : public DirectDrawFace<IDirectDraw2> {
  public:
    explicit FakeDirectDraw2(FakeDirectDraw &owner) : DirectDrawFace(owner, "ddraw2") {}

    STDMETHOD(SetDisplayMode)
    (DWORD width, DWORD height, DWORD bitsPerPixel, DWORD refreshRate, DWORD flags) override;
    UNSUPPORTED_METHOD(GetAvailableVidMem, LPDDSCAPS, LPDWORD, LPDWORD)
};

// The object, and its IDirectDraw face.
class FakeDirectDraw : public DirectDrawFace<IDirectDraw> {
  public:
    // primaryWidth x primaryHeight is the size of primary surfaces (the screen).
    FakeDirectDraw(DDrawCallLog &log, DWORD primaryWidth, DWORD primaryHeight);

    // The object is alive while either face holds a reference.
    bool alive() const { return refCount > 0 || second.refCount > 0; }
    // The surface behind an interface this object handed out, or null.
    FakeDirectDrawSurface *find(const IDirectDrawSurface *surface) const;

    // The old SetDisplayMode, without refresh rate and flags.
    STDMETHOD(SetDisplayMode)(DWORD width, DWORD height, DWORD bitsPerPixel) override;

    DDrawCallLog &log;
    DWORD primaryWidth;
    DWORD primaryHeight;
    bool ended = false;
    FakeDirectDraw2 second;
    std::vector<std::unique_ptr<FakeDirectDrawSurface>> surfaces; // creation order
    std::vector<std::unique_ptr<FakeDirectDrawClipper>> clippers;

    // The work behind both faces; `record` is the call as the face recorded it.
    HRESULT queryInterface(DDrawCall record, REFIID riid, void **object);
    HRESULT createSurface(DDrawCall record, LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface);
    HRESULT createClipper(DDrawCall record, LPDIRECTDRAWCLIPPER *clipper);
    // Ends every surface, as DirectDraw does when its object goes away.
    void endIfUnused();
};
