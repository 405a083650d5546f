// The recording DirectDraw object test double, with its IDirectDraw and IDirectDraw2 faces.
#include "FakeDirectDraw.h"

#include <cstring>

namespace {

constexpr const char *FIRST_NAME = "ddraw";
constexpr const char *SECOND_NAME = "ddraw2";

} // namespace

FakeDirectDraw::FakeDirectDraw(DDrawCallLog &log, DWORD primaryWidth, DWORD primaryHeight)
    : log(log), primaryWidth(primaryWidth), primaryHeight(primaryHeight), second(*this) {}

FakeDirectDrawSurface *FakeDirectDraw::find(const IDirectDrawSurface *surface) const {
    for (const auto &candidate : surfaces)
        if (candidate.get() == surface)
            return candidate.get();
    return nullptr;
}

DDrawCall FakeDirectDraw::call(const void *object, const char *name, const char *method) const {
    DDrawCall record;
    record.object = object;
    record.objectName = name;
    record.method = method;
    record.afterRelease = !alive();
    return record;
}

HRESULT FakeDirectDraw::unsupported(const void *object, const char *name, const char *method) {
    log.record(call(object, name, method));
    return DDERR_UNSUPPORTED;
}

HRESULT FakeDirectDraw::simple(const void *object, const char *name, const char *method,
                               DWORD flags) {
    DDrawCall record = call(object, name, method);
    record.flags = flags;
    return log.record(record);
}

HRESULT FakeDirectDraw::createSurface(const void *object, const char *name, LPDDSURFACEDESC desc,
                                      LPDIRECTDRAWSURFACE *surface) {
    DDrawCall record = call(object, name, "CreateSurface");
    if (desc) {
        record.descSize = desc->dwSize;
        record.flags = desc->dwFlags;
        if (desc->dwFlags & DDSD_CAPS)
            record.caps = desc->ddsCaps.dwCaps;
        if (desc->dwFlags & DDSD_WIDTH)
            record.width = desc->dwWidth;
        if (desc->dwFlags & DDSD_HEIGHT)
            record.height = desc->dwHeight;
        if (desc->dwFlags & DDSD_BACKBUFFERCOUNT)
            record.backBufferCount = desc->dwBackBufferCount;
    }
    HRESULT hr = log.record(record);
    if (surface)
        *surface = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!desc || !surface || desc->dwSize != sizeof(DDSURFACEDESC))
        return DDERR_INVALIDPARAMS;
    if (!alive())
        return DDERR_INVALIDOBJECT;
    bool primary = (record.caps & DDSCAPS_PRIMARYSURFACE) != 0;
    DWORD width = primary ? primaryWidth : record.width;
    DWORD height = primary ? primaryHeight : record.height;
    if (width == 0 || height == 0)
        return DDERR_INVALIDPARAMS;
    std::string surfaceName =
        primary ? std::string("primary") : "surface" + std::to_string(surfaces.size() + 1);
    surfaces.push_back(
        std::make_unique<FakeDirectDrawSurface>(log, surfaceName, record.caps, width, height));
    FakeDirectDrawSurface *made = surfaces.back().get();
    if (primary && (record.caps & DDSCAPS_FLIP) && record.backBufferCount > 0) {
        surfaces.push_back(std::make_unique<FakeDirectDrawSurface>(
            log, "backbuffer", DDSCAPS_BACKBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX, width, height));
        made->attached = surfaces.back().get();
    }
    *surface = made;
    return DD_OK;
}

HRESULT FakeDirectDraw::createClipper(const void *object, const char *name, DWORD flags,
                                      LPDIRECTDRAWCLIPPER *clipper) {
    HRESULT hr = simple(object, name, "CreateClipper", flags);
    if (clipper)
        *clipper = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!clipper)
        return DDERR_INVALIDPARAMS;
    clippers.push_back(std::make_unique<FakeDirectDrawClipper>(
        log, "clipper" + std::to_string(clippers.size() + 1)));
    *clipper = clippers.back().get();
    return DD_OK;
}

HRESULT FakeDirectDraw::setCooperativeLevel(const void *object, const char *name, HWND window,
                                            DWORD flags) {
    DDrawCall record = call(object, name, "SetCooperativeLevel");
    record.window = window;
    record.flags = flags;
    return log.record(record);
}

void FakeDirectDraw::endIfUnused() {
    if (alive() || ended)
        return;
    ended = true;
    for (auto &surface : surfaces)
        surface->end();
}

// IDirectDraw

HRESULT FakeDirectDraw::QueryInterface(REFIID riid, void **object) {
    DDrawCall record = call(this, FIRST_NAME, "QueryInterface");
    record.iid = riid;
    HRESULT hr = log.record(record);
    if (object)
        *object = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!object)
        return E_POINTER;
    if (IsEqualGUID(riid, IID_IDirectDraw2)) {
        second.refCount++;
        *object = &second;
        return DD_OK;
    }
    if (IsEqualGUID(riid, IID_IDirectDraw) || IsEqualGUID(riid, IID_IUnknown)) {
        refCount++;
        *object = static_cast<IDirectDraw *>(this);
        return DD_OK;
    }
    return E_NOINTERFACE;
}

ULONG FakeDirectDraw::AddRef() {
    log.record(call(this, FIRST_NAME, "AddRef"));
    return static_cast<ULONG>(++refCount);
}

ULONG FakeDirectDraw::Release() {
    log.record(call(this, FIRST_NAME, "Release"));
    LONG left = --refCount;
    endIfUnused();
    return static_cast<ULONG>(left);
}

HRESULT FakeDirectDraw::Compact() {
    return unsupported(this, FIRST_NAME, "Compact");
}

HRESULT FakeDirectDraw::CreateClipper(DWORD flags, LPDIRECTDRAWCLIPPER *clipper, IUnknown *) {
    return createClipper(this, FIRST_NAME, flags, clipper);
}

HRESULT FakeDirectDraw::CreatePalette(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE *, IUnknown *) {
    return unsupported(this, FIRST_NAME, "CreatePalette");
}

HRESULT FakeDirectDraw::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface,
                                      IUnknown *) {
    return createSurface(this, FIRST_NAME, desc, surface);
}

HRESULT FakeDirectDraw::DuplicateSurface(LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE *) {
    return unsupported(this, FIRST_NAME, "DuplicateSurface");
}

HRESULT FakeDirectDraw::EnumDisplayModes(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK) {
    return unsupported(this, FIRST_NAME, "EnumDisplayModes");
}

HRESULT FakeDirectDraw::EnumSurfaces(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK) {
    return unsupported(this, FIRST_NAME, "EnumSurfaces");
}

HRESULT FakeDirectDraw::FlipToGDISurface() {
    return unsupported(this, FIRST_NAME, "FlipToGDISurface");
}

HRESULT FakeDirectDraw::GetCaps(LPDDCAPS, LPDDCAPS) {
    return unsupported(this, FIRST_NAME, "GetCaps");
}

HRESULT FakeDirectDraw::GetDisplayMode(LPDDSURFACEDESC) {
    return unsupported(this, FIRST_NAME, "GetDisplayMode");
}

HRESULT FakeDirectDraw::GetFourCCCodes(LPDWORD, LPDWORD) {
    return unsupported(this, FIRST_NAME, "GetFourCCCodes");
}

HRESULT FakeDirectDraw::GetGDISurface(LPDIRECTDRAWSURFACE *) {
    return unsupported(this, FIRST_NAME, "GetGDISurface");
}

HRESULT FakeDirectDraw::GetMonitorFrequency(LPDWORD) {
    return unsupported(this, FIRST_NAME, "GetMonitorFrequency");
}

HRESULT FakeDirectDraw::GetScanLine(LPDWORD) {
    return unsupported(this, FIRST_NAME, "GetScanLine");
}

HRESULT FakeDirectDraw::GetVerticalBlankStatus(WINBOOL *) {
    return unsupported(this, FIRST_NAME, "GetVerticalBlankStatus");
}

HRESULT FakeDirectDraw::Initialize(GUID *) {
    return unsupported(this, FIRST_NAME, "Initialize");
}

HRESULT FakeDirectDraw::RestoreDisplayMode() {
    return simple(this, FIRST_NAME, "RestoreDisplayMode");
}

HRESULT FakeDirectDraw::SetCooperativeLevel(HWND window, DWORD flags) {
    return setCooperativeLevel(this, FIRST_NAME, window, flags);
}

HRESULT FakeDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    DDrawCall record = call(this, FIRST_NAME, "SetDisplayMode");
    record.width = width;
    record.height = height;
    record.bitsPerPixel = bitsPerPixel;
    return log.record(record);
}

HRESULT FakeDirectDraw::WaitForVerticalBlank(DWORD flags, HANDLE) {
    return simple(this, FIRST_NAME, "WaitForVerticalBlank", flags);
}

// IDirectDraw2

HRESULT FakeDirectDraw2::QueryInterface(REFIID riid, void **object) {
    DDrawCall record = owner.call(this, SECOND_NAME, "QueryInterface");
    record.iid = riid;
    HRESULT hr = owner.log.record(record);
    if (object)
        *object = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!object)
        return E_POINTER;
    if (IsEqualGUID(riid, IID_IDirectDraw2)) {
        refCount++;
        *object = this;
        return DD_OK;
    }
    if (IsEqualGUID(riid, IID_IDirectDraw) || IsEqualGUID(riid, IID_IUnknown)) {
        owner.refCount++;
        *object = static_cast<IDirectDraw *>(&owner);
        return DD_OK;
    }
    return E_NOINTERFACE;
}

ULONG FakeDirectDraw2::AddRef() {
    owner.log.record(owner.call(this, SECOND_NAME, "AddRef"));
    return static_cast<ULONG>(++refCount);
}

ULONG FakeDirectDraw2::Release() {
    owner.log.record(owner.call(this, SECOND_NAME, "Release"));
    LONG left = --refCount;
    owner.endIfUnused();
    return static_cast<ULONG>(left);
}

HRESULT FakeDirectDraw2::Compact() {
    return owner.unsupported(this, SECOND_NAME, "Compact");
}

HRESULT FakeDirectDraw2::CreateClipper(DWORD flags, LPDIRECTDRAWCLIPPER *clipper, IUnknown *) {
    return owner.createClipper(this, SECOND_NAME, flags, clipper);
}

HRESULT FakeDirectDraw2::CreatePalette(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE *, IUnknown *) {
    return owner.unsupported(this, SECOND_NAME, "CreatePalette");
}

HRESULT FakeDirectDraw2::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface,
                                       IUnknown *) {
    return owner.createSurface(this, SECOND_NAME, desc, surface);
}

HRESULT FakeDirectDraw2::DuplicateSurface(LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE *) {
    return owner.unsupported(this, SECOND_NAME, "DuplicateSurface");
}

HRESULT FakeDirectDraw2::EnumDisplayModes(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK) {
    return owner.unsupported(this, SECOND_NAME, "EnumDisplayModes");
}

HRESULT FakeDirectDraw2::EnumSurfaces(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK) {
    return owner.unsupported(this, SECOND_NAME, "EnumSurfaces");
}

HRESULT FakeDirectDraw2::FlipToGDISurface() {
    return owner.unsupported(this, SECOND_NAME, "FlipToGDISurface");
}

HRESULT FakeDirectDraw2::GetCaps(LPDDCAPS, LPDDCAPS) {
    return owner.unsupported(this, SECOND_NAME, "GetCaps");
}

HRESULT FakeDirectDraw2::GetDisplayMode(LPDDSURFACEDESC) {
    return owner.unsupported(this, SECOND_NAME, "GetDisplayMode");
}

HRESULT FakeDirectDraw2::GetFourCCCodes(LPDWORD, LPDWORD) {
    return owner.unsupported(this, SECOND_NAME, "GetFourCCCodes");
}

HRESULT FakeDirectDraw2::GetGDISurface(LPDIRECTDRAWSURFACE *) {
    return owner.unsupported(this, SECOND_NAME, "GetGDISurface");
}

HRESULT FakeDirectDraw2::GetMonitorFrequency(LPDWORD) {
    return owner.unsupported(this, SECOND_NAME, "GetMonitorFrequency");
}

HRESULT FakeDirectDraw2::GetScanLine(LPDWORD) {
    return owner.unsupported(this, SECOND_NAME, "GetScanLine");
}

HRESULT FakeDirectDraw2::GetVerticalBlankStatus(WINBOOL *) {
    return owner.unsupported(this, SECOND_NAME, "GetVerticalBlankStatus");
}

HRESULT FakeDirectDraw2::Initialize(GUID *) {
    return owner.unsupported(this, SECOND_NAME, "Initialize");
}

HRESULT FakeDirectDraw2::RestoreDisplayMode() {
    return owner.simple(this, SECOND_NAME, "RestoreDisplayMode");
}

HRESULT FakeDirectDraw2::SetCooperativeLevel(HWND window, DWORD flags) {
    return owner.setCooperativeLevel(this, SECOND_NAME, window, flags);
}

HRESULT FakeDirectDraw2::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel,
                                        DWORD refreshRate, DWORD flags) {
    DDrawCall record = owner.call(this, SECOND_NAME, "SetDisplayMode");
    record.width = width;
    record.height = height;
    record.bitsPerPixel = bitsPerPixel;
    record.refreshRate = refreshRate;
    record.flags = flags;
    return owner.log.record(record);
}

HRESULT FakeDirectDraw2::WaitForVerticalBlank(DWORD flags, HANDLE) {
    return owner.simple(this, SECOND_NAME, "WaitForVerticalBlank", flags);
}

HRESULT FakeDirectDraw2::GetAvailableVidMem(LPDDSCAPS, LPDWORD, LPDWORD) {
    return owner.unsupported(this, SECOND_NAME, "GetAvailableVidMem");
}
