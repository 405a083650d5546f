// FakeDirectDrawSurface: a recording IDirectDrawSurface test double with a reference count,
// a "lost" state, an optional attached back buffer, a clipper and a colour key.
#pragma once

#include <string>

#include <windows.h>
#include <ddraw.h>

#include "ComDouble.h"
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
    // IDirectDrawSurface: what the program calls
    STDMETHOD(Blt)
    (LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags,
     LPDDBLTFX fx) override;
    STDMETHOD(BltFast)
    (DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD trans) override;
    STDMETHOD(Flip)(LPDIRECTDRAWSURFACE target, DWORD flags) override;
    STDMETHOD(GetAttachedSurface)(LPDDSCAPS caps, LPDIRECTDRAWSURFACE *surface) override;
    STDMETHOD(GetCaps)(LPDDSCAPS caps) override;
    STDMETHOD(GetColorKey)(DWORD flags, LPDDCOLORKEY key) override;
    STDMETHOD(GetDC)(HDC *dc) override;
    STDMETHOD(GetSurfaceDesc)(LPDDSURFACEDESC desc) override;
    STDMETHOD(IsLost)() override;
    STDMETHOD(ReleaseDC)(HDC dc) override;
    STDMETHOD(Restore)() override;
    STDMETHOD(SetClipper)(LPDIRECTDRAWCLIPPER clipper) override;
    STDMETHOD(SetColorKey)(DWORD flags, LPDDCOLORKEY key) override;
    // IDirectDrawSurface: the rest
    UNSUPPORTED_METHOD(AddAttachedSurface, LPDIRECTDRAWSURFACE)
    UNSUPPORTED_METHOD(AddOverlayDirtyRect, LPRECT)
    UNSUPPORTED_METHOD(BltBatch, LPDDBLTBATCH, DWORD, DWORD)
    UNSUPPORTED_METHOD(DeleteAttachedSurface, DWORD, LPDIRECTDRAWSURFACE)
    UNSUPPORTED_METHOD(EnumAttachedSurfaces, LPVOID, LPDDENUMSURFACESCALLBACK)
    UNSUPPORTED_METHOD(EnumOverlayZOrders, DWORD, LPVOID, LPDDENUMSURFACESCALLBACK)
    UNSUPPORTED_METHOD(GetBltStatus, DWORD)
    UNSUPPORTED_METHOD(GetClipper, LPDIRECTDRAWCLIPPER *)
    UNSUPPORTED_METHOD(GetFlipStatus, DWORD)
    UNSUPPORTED_METHOD(GetOverlayPosition, LPLONG, LPLONG)
    UNSUPPORTED_METHOD(GetPalette, LPDIRECTDRAWPALETTE *)
    UNSUPPORTED_METHOD(GetPixelFormat, LPDDPIXELFORMAT)
    UNSUPPORTED_METHOD(Initialize, LPDIRECTDRAW, LPDDSURFACEDESC)
    UNSUPPORTED_METHOD(Lock, LPRECT, LPDDSURFACEDESC, DWORD, HANDLE)
    UNSUPPORTED_METHOD(SetOverlayPosition, LONG, LONG)
    UNSUPPORTED_METHOD(SetPalette, LPDIRECTDRAWPALETTE)
    UNSUPPORTED_METHOD(Unlock, LPVOID)
    UNSUPPORTED_METHOD(UpdateOverlay, LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX)
    UNSUPPORTED_METHOD(UpdateOverlayDisplay, DWORD)
    UNSUPPORTED_METHOD(UpdateOverlayZOrder, DWORD, LPDIRECTDRAWSURFACE)

  private:
    // Lets go of the clipper and the attached back buffer.
    void dropLinks();
    // A call record addressed to this surface.
    DDrawCall call(const char *method) const;
    HRESULT unsupported(const char *method) { return log.refuse(call(method)); }
};
