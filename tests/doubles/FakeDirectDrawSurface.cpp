#include "FakeDirectDrawSurface.h"

#include <cstdint>

#include "FakeDirectDrawClipper.h"

namespace {

// The surface behind an interface pointer that a fake handed out, or null.
FakeDirectDrawSurface *fakeOf(LPDIRECTDRAWSURFACE surface) {
    return static_cast<FakeDirectDrawSurface *>(surface);
}

// DDERR_SURFACELOST when either surface of a blit is lost, else the recorded result.
HRESULT withLoss(HRESULT recorded, const FakeDirectDrawSurface *self, LPDIRECTDRAWSURFACE source) {
    if (recorded != DD_OK)
        return recorded;
    if (self->lost || (source && fakeOf(source)->lost))
        return DDERR_SURFACELOST;
    return DD_OK;
}

} // namespace

FakeDirectDrawSurface::FakeDirectDrawSurface(DDrawCallLog &log, std::string name, DWORD caps,
                                             DWORD width, DWORD height)
    : log(log), name(std::move(name)), caps(caps), width(width), height(height),
      dc(reinterpret_cast<HDC>(reinterpret_cast<uintptr_t>(this) | 1)) {}

void FakeDirectDrawSurface::end() {
    if (ended)
        return;
    ended = true;
    dropLinks();
}

void FakeDirectDrawSurface::dropLinks() {
    if (clipper) {
        clipper->refCount--;
        clipper = nullptr;
    }
    if (attached) {
        attached->refCount--; // the flipping chain's own reference
        attached = nullptr;
    }
}

DDrawCall FakeDirectDrawSurface::call(const char *method) const {
    DDrawCall record;
    record.object = this;
    record.objectName = name;
    record.method = method;
    record.afterRelease = refCount <= 0 || ended;
    return record;
}

HRESULT FakeDirectDrawSurface::QueryInterface(REFIID, void **object) {
    if (object)
        *object = nullptr;
    return unsupported("QueryInterface");
}

ULONG FakeDirectDrawSurface::AddRef() {
    log.record(call("AddRef"));
    return static_cast<ULONG>(++refCount);
}

ULONG FakeDirectDrawSurface::Release() {
    log.record(call("Release"));
    if (--refCount == 0)
        dropLinks();
    return static_cast<ULONG>(refCount);
}

HRESULT FakeDirectDrawSurface::Blt(LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect,
                                   DWORD flags, LPDDBLTFX fx) {
    DDrawCall record = call("Blt");
    record.flags = flags;
    record.hasRect = destRect != nullptr;
    if (destRect)
        record.rect = *destRect;
    record.hasSourceRect = sourceRect != nullptr;
    if (sourceRect)
        record.sourceRect = *sourceRect;
    record.source = source;
    if (fx) {
        record.structSize = fx->dwSize;
        record.fillColour = fx->dwFillColor;
    }
    return withLoss(log.record(record), this, source);
}

HRESULT FakeDirectDrawSurface::BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source,
                                       LPRECT sourceRect, DWORD trans) {
    DDrawCall record = call("BltFast");
    record.position = {static_cast<LONG>(x), static_cast<LONG>(y)};
    record.source = source;
    record.hasSourceRect = sourceRect != nullptr;
    if (sourceRect)
        record.sourceRect = *sourceRect;
    record.flags = trans;
    return withLoss(log.record(record), this, source);
}

HRESULT FakeDirectDrawSurface::Flip(LPDIRECTDRAWSURFACE target, DWORD flags) {
    DDrawCall record = call("Flip");
    record.flipTarget = target;
    record.flags = flags;
    return withLoss(log.record(record), this, nullptr);
}

HRESULT FakeDirectDrawSurface::GetAttachedSurface(LPDDSCAPS wanted, LPDIRECTDRAWSURFACE *surface) {
    DDrawCall record = call("GetAttachedSurface");
    if (wanted)
        record.caps = wanted->dwCaps;
    HRESULT hr = log.record(record);
    if (surface)
        *surface = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!attached || !wanted || (attached->caps & wanted->dwCaps) != wanted->dwCaps)
        return DDERR_NOTFOUND;
    attached->refCount++; // DirectDraw hands out a new reference to the attached surface.
    *surface = attached;
    return DD_OK;
}

HRESULT FakeDirectDrawSurface::GetCaps(LPDDSCAPS result) {
    HRESULT hr = log.record(call("GetCaps"));
    if (hr == DD_OK && result)
        result->dwCaps = caps;
    return hr;
}

HRESULT FakeDirectDrawSurface::GetColorKey(DWORD flags, LPDDCOLORKEY key) {
    DDrawCall record = call("GetColorKey");
    record.flags = flags;
    HRESULT hr = log.record(record);
    if (hr != DD_OK)
        return hr;
    if (flags != DDCKEY_SRCBLT || !hasSourceColorKey)
        return DDERR_NOCOLORKEY;
    *key = sourceColorKey;
    return DD_OK;
}

HRESULT FakeDirectDrawSurface::GetDC(HDC *result) {
    HRESULT hr = withLoss(log.record(call("GetDC")), this, nullptr);
    if (result)
        *result = hr == DD_OK ? dc : nullptr;
    if (hr == DD_OK)
        dcHeld = true;
    return hr;
}

HRESULT FakeDirectDrawSurface::GetSurfaceDesc(LPDDSURFACEDESC desc) {
    HRESULT hr = log.record(call("GetSurfaceDesc"));
    if (hr != DD_OK)
        return hr;
    if (!desc || desc->dwSize != sizeof(DDSURFACEDESC))
        return DDERR_INVALIDPARAMS;
    desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc->dwWidth = width;
    desc->dwHeight = height;
    desc->ddsCaps.dwCaps = caps;
    return DD_OK;
}

HRESULT FakeDirectDrawSurface::IsLost() {
    HRESULT hr = log.record(call("IsLost"));
    if (hr != DD_OK)
        return hr;
    return lost ? DDERR_SURFACELOST : DD_OK;
}

HRESULT FakeDirectDrawSurface::ReleaseDC(HDC released) {
    DDrawCall record = call("ReleaseDC");
    record.dc = released;
    HRESULT hr = log.record(record);
    if (hr != DD_OK)
        return hr;
    if (!dcHeld || released != dc)
        return DDERR_NODC;
    dcHeld = false;
    return DD_OK;
}

HRESULT FakeDirectDrawSurface::Restore() {
    HRESULT hr = log.record(call("Restore"));
    if (hr == DD_OK)
        lost = false;
    return hr;
}

HRESULT FakeDirectDrawSurface::SetClipper(LPDIRECTDRAWCLIPPER newClipper) {
    DDrawCall record = call("SetClipper");
    record.clipper = newClipper;
    HRESULT hr = log.record(record);
    if (hr != DD_OK)
        return hr;
    // Like DirectDraw, the surface keeps a reference to its clipper.
    if (newClipper)
        static_cast<FakeDirectDrawClipper *>(newClipper)->refCount++;
    if (clipper)
        clipper->refCount--;
    clipper = static_cast<FakeDirectDrawClipper *>(newClipper);
    return DD_OK;
}

HRESULT FakeDirectDrawSurface::SetColorKey(DWORD flags, LPDDCOLORKEY key) {
    DDrawCall record = call("SetColorKey");
    record.flags = flags;
    if (key) {
        record.colourKeyLow = key->dwColorSpaceLowValue;
        record.colourKeyHigh = key->dwColorSpaceHighValue;
    }
    HRESULT hr = log.record(record);
    if (hr == DD_OK && flags == DDCKEY_SRCBLT && key) {
        sourceColorKey = *key;
        hasSourceColorKey = true;
    }
    return hr;
}
