// FakeDirectDraw: one recording DirectDraw object with its two interfaces, IDirectDraw (what
// DirectDrawCreate hands out) and IDirectDraw2 (what QueryInterface gives). It owns every
// surface and clipper made through it and ends them when its last reference goes, as
// DirectDraw does. Nothing is freed before the fake itself, so tests may inspect released
// objects and see calls made on them (DDrawCall::afterRelease).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <ddraw.h>

#include "DDrawCallLog.h"
#include "FakeDirectDrawClipper.h"
#include "FakeDirectDrawSurface.h"

class FakeDirectDraw;

class FakeDirectDraw2 : public IDirectDraw2 {
  public:
    explicit FakeDirectDraw2(FakeDirectDraw &owner) : owner(owner) {}
    FakeDirectDraw2(const FakeDirectDraw2 &) = delete;
    FakeDirectDraw2 &operator=(const FakeDirectDraw2 &) = delete;
    virtual ~FakeDirectDraw2() = default;

    FakeDirectDraw &owner;
    LONG refCount = 0;

    STDMETHOD(QueryInterface)(REFIID riid, void **object) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(Compact)() override;
    STDMETHOD(CreateClipper)(DWORD flags, LPDIRECTDRAWCLIPPER *clipper, IUnknown *outer) override;
    STDMETHOD(CreatePalette)
    (DWORD flags, LPPALETTEENTRY table, LPDIRECTDRAWPALETTE *palette, IUnknown *outer) override;
    STDMETHOD(CreateSurface)
    (LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface, IUnknown *outer) override;
    STDMETHOD(DuplicateSurface)(LPDIRECTDRAWSURFACE surface, LPDIRECTDRAWSURFACE *copy) override;
    STDMETHOD(EnumDisplayModes)
    (DWORD flags, LPDDSURFACEDESC desc, LPVOID context, LPDDENUMMODESCALLBACK callback) override;
    STDMETHOD(EnumSurfaces)
    (DWORD flags, LPDDSURFACEDESC desc, LPVOID context, LPDDENUMSURFACESCALLBACK callback) override;
    STDMETHOD(FlipToGDISurface)() override;
    STDMETHOD(GetCaps)(LPDDCAPS driverCaps, LPDDCAPS helCaps) override;
    STDMETHOD(GetDisplayMode)(LPDDSURFACEDESC desc) override;
    STDMETHOD(GetFourCCCodes)(LPDWORD count, LPDWORD codes) override;
    STDMETHOD(GetGDISurface)(LPDIRECTDRAWSURFACE *surface) override;
    STDMETHOD(GetMonitorFrequency)(LPDWORD frequency) override;
    STDMETHOD(GetScanLine)(LPDWORD scanLine) override;
    STDMETHOD(GetVerticalBlankStatus)(WINBOOL *inBlank) override;
    STDMETHOD(Initialize)(GUID *guid) override;
    STDMETHOD(RestoreDisplayMode)() override;
    STDMETHOD(SetCooperativeLevel)(HWND window, DWORD flags) override;
    STDMETHOD(SetDisplayMode)
    (DWORD width, DWORD height, DWORD bitsPerPixel, DWORD refreshRate, DWORD flags) override;
    STDMETHOD(WaitForVerticalBlank)(DWORD flags, HANDLE event) override;
    STDMETHOD(GetAvailableVidMem)(LPDDSCAPS caps, LPDWORD total, LPDWORD free) override;
};

class FakeDirectDraw : public IDirectDraw {
  public:
    // primaryWidth x primaryHeight is the size of primary surfaces (the screen).
    FakeDirectDraw(DDrawCallLog &log, DWORD primaryWidth, DWORD primaryHeight);
    FakeDirectDraw(const FakeDirectDraw &) = delete;
    FakeDirectDraw &operator=(const FakeDirectDraw &) = delete;
    virtual ~FakeDirectDraw() = default;

    // The object is alive while either interface holds a reference.
    bool alive() const { return refCount > 0 || second.refCount > 0; }
    // The surface behind an interface this object handed out, or null.
    FakeDirectDrawSurface *find(const IDirectDrawSurface *surface) const;

    DDrawCallLog &log;
    DWORD primaryWidth;
    DWORD primaryHeight;
    LONG refCount = 0;
    bool ended = false;
    FakeDirectDraw2 second;
    std::vector<std::unique_ptr<FakeDirectDrawSurface>> surfaces; // creation order
    std::vector<std::unique_ptr<FakeDirectDrawClipper>> clippers;

    // The shared work of both interfaces; `object`/`name` say which interface was called.
    DDrawCall call(const void *object, const char *name, const char *method) const;
    HRESULT unsupported(const void *object, const char *name, const char *method);
    HRESULT createSurface(const void *object, const char *name, LPDDSURFACEDESC desc,
                          LPDIRECTDRAWSURFACE *surface);
    HRESULT createClipper(const void *object, const char *name, DWORD flags,
                          LPDIRECTDRAWCLIPPER *clipper);
    HRESULT setCooperativeLevel(const void *object, const char *name, HWND window, DWORD flags);
    HRESULT simple(const void *object, const char *name, const char *method, DWORD flags = 0);
    // Ends every surface, as DirectDraw does when its object goes away.
    void endIfUnused();

    STDMETHOD(QueryInterface)(REFIID riid, void **object) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(Compact)() override;
    STDMETHOD(CreateClipper)(DWORD flags, LPDIRECTDRAWCLIPPER *clipper, IUnknown *outer) override;
    STDMETHOD(CreatePalette)
    (DWORD flags, LPPALETTEENTRY table, LPDIRECTDRAWPALETTE *palette, IUnknown *outer) override;
    STDMETHOD(CreateSurface)
    (LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface, IUnknown *outer) override;
    STDMETHOD(DuplicateSurface)(LPDIRECTDRAWSURFACE surface, LPDIRECTDRAWSURFACE *copy) override;
    STDMETHOD(EnumDisplayModes)
    (DWORD flags, LPDDSURFACEDESC desc, LPVOID context, LPDDENUMMODESCALLBACK callback) override;
    STDMETHOD(EnumSurfaces)
    (DWORD flags, LPDDSURFACEDESC desc, LPVOID context, LPDDENUMSURFACESCALLBACK callback) override;
    STDMETHOD(FlipToGDISurface)() override;
    STDMETHOD(GetCaps)(LPDDCAPS driverCaps, LPDDCAPS helCaps) override;
    STDMETHOD(GetDisplayMode)(LPDDSURFACEDESC desc) override;
    STDMETHOD(GetFourCCCodes)(LPDWORD count, LPDWORD codes) override;
    STDMETHOD(GetGDISurface)(LPDIRECTDRAWSURFACE *surface) override;
    STDMETHOD(GetMonitorFrequency)(LPDWORD frequency) override;
    STDMETHOD(GetScanLine)(LPDWORD scanLine) override;
    STDMETHOD(GetVerticalBlankStatus)(WINBOOL *inBlank) override;
    STDMETHOD(Initialize)(GUID *guid) override;
    STDMETHOD(RestoreDisplayMode)() override;
    STDMETHOD(SetCooperativeLevel)(HWND window, DWORD flags) override;
    STDMETHOD(SetDisplayMode)(DWORD width, DWORD height, DWORD bitsPerPixel) override;
    STDMETHOD(WaitForVerticalBlank)(DWORD flags, HANDLE event) override;
};
