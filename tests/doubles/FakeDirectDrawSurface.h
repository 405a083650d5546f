// FakeDirectDrawSurface: a recording IDirectDrawSurface test double with a reference count,
// a "lost" state, an optional attached back buffer, a clipper and a colour key.
#pragma once

#include <string>

#include <windows.h>
#include <ddraw.h>

#include "DDrawCallLog.h"

class FakeDirectDrawClipper;

class FakeDirectDrawSurface : public IDirectDrawSurface {
  public:
    FakeDirectDrawSurface(DDrawCallLog &log, std::string name, DWORD caps, DWORD width,
                          DWORD height);
    FakeDirectDrawSurface(const FakeDirectDrawSurface &) = delete;
    FakeDirectDrawSurface &operator=(const FakeDirectDrawSurface &) = delete;
    virtual ~FakeDirectDrawSurface() = default;

    // What DirectDraw does to its surfaces when the DirectDraw object goes away: marks the
    // surface ended and lets go of its clipper and attached back buffer. refCount is kept, so
    // tests can still see whether the code gave back every reference it held.
    void end();

    DDrawCallLog &log;
    std::string name;
    DWORD caps;
    DWORD width;
    DWORD height;
    LONG refCount = 1;
    bool ended = false;
    bool lost = false; // IsLost reports DDERR_SURFACELOST until Restore
    FakeDirectDrawSurface *attached = nullptr;
    FakeDirectDrawClipper *clipper = nullptr;
    DDCOLORKEY sourceColorKey = {};
    bool hasSourceColorKey = false;
    HDC dc; // handed out by GetDC
    bool dcHeld = false;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void **object) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDirectDrawSurface
    STDMETHOD(AddAttachedSurface)(LPDIRECTDRAWSURFACE surface) override;
    STDMETHOD(AddOverlayDirtyRect)(LPRECT rect) override;
    STDMETHOD(Blt)
    (LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags,
     LPDDBLTFX fx) override;
    STDMETHOD(BltBatch)(LPDDBLTBATCH batch, DWORD count, DWORD flags) override;
    STDMETHOD(BltFast)
    (DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD trans) override;
    STDMETHOD(DeleteAttachedSurface)(DWORD flags, LPDIRECTDRAWSURFACE surface) override;
    STDMETHOD(EnumAttachedSurfaces)(LPVOID context, LPDDENUMSURFACESCALLBACK callback) override;
    STDMETHOD(EnumOverlayZOrders)
    (DWORD flags, LPVOID context, LPDDENUMSURFACESCALLBACK callback) override;
    STDMETHOD(Flip)(LPDIRECTDRAWSURFACE target, DWORD flags) override;
    STDMETHOD(GetAttachedSurface)(LPDDSCAPS caps, LPDIRECTDRAWSURFACE *surface) override;
    STDMETHOD(GetBltStatus)(DWORD flags) override;
    STDMETHOD(GetCaps)(LPDDSCAPS caps) override;
    STDMETHOD(GetClipper)(LPDIRECTDRAWCLIPPER *clipper) override;
    STDMETHOD(GetColorKey)(DWORD flags, LPDDCOLORKEY key) override;
    STDMETHOD(GetDC)(HDC *dc) override;
    STDMETHOD(GetFlipStatus)(DWORD flags) override;
    STDMETHOD(GetOverlayPosition)(LPLONG x, LPLONG y) override;
    STDMETHOD(GetPalette)(LPDIRECTDRAWPALETTE *palette) override;
    STDMETHOD(GetPixelFormat)(LPDDPIXELFORMAT format) override;
    STDMETHOD(GetSurfaceDesc)(LPDDSURFACEDESC desc) override;
    STDMETHOD(Initialize)(LPDIRECTDRAW ddraw, LPDDSURFACEDESC desc) override;
    STDMETHOD(IsLost)() override;
    STDMETHOD(Lock)(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event) override;
    STDMETHOD(ReleaseDC)(HDC dc) override;
    STDMETHOD(Restore)() override;
    STDMETHOD(SetClipper)(LPDIRECTDRAWCLIPPER clipper) override;
    STDMETHOD(SetColorKey)(DWORD flags, LPDDCOLORKEY key) override;
    STDMETHOD(SetOverlayPosition)(LONG x, LONG y) override;
    STDMETHOD(SetPalette)(LPDIRECTDRAWPALETTE palette) override;
    STDMETHOD(Unlock)(LPVOID data) override;
    STDMETHOD(UpdateOverlay)
    (LPRECT sourceRect, LPDIRECTDRAWSURFACE destination, LPRECT destRect, DWORD flags,
     LPDDOVERLAYFX fx) override;
    STDMETHOD(UpdateOverlayDisplay)(DWORD flags) override;
    STDMETHOD(UpdateOverlayZOrder)(DWORD flags, LPDIRECTDRAWSURFACE reference) override;

  private:
    // Lets go of the clipper and the attached back buffer.
    void dropLinks();
    // A call record addressed to this surface.
    DDrawCall call(const char *method) const;
    // Records an interface method that the double does not implement.
    HRESULT unsupported(const char *method);
};
