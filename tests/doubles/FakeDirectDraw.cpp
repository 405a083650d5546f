#include "FakeDirectDraw.h"

// One face

template <class Interface> DDrawCall DirectDrawFace<Interface>::call(const char *method) const {
    DDrawCall record;
    record.object = this;
    record.objectName = name;
    record.method = method;
    record.afterRelease = !owner.alive();
    return record;
}

template <class Interface> HRESULT DirectDrawFace<Interface>::unsupported(const char *method) {
    return owner.log.refuse(call(method));
}

template <class Interface>
HRESULT DirectDrawFace<Interface>::QueryInterface(REFIID riid, void **object) {
    DDrawCall record = call("QueryInterface");
    record.iid = riid;
    return owner.queryInterface(record, riid, object);
}

template <class Interface> ULONG DirectDrawFace<Interface>::AddRef() {
    owner.log.record(call("AddRef"));
    return static_cast<ULONG>(++refCount);
}

template <class Interface> ULONG DirectDrawFace<Interface>::Release() {
    owner.log.record(call("Release"));
    LONG left = --refCount;
    owner.endIfUnused();
    return static_cast<ULONG>(left);
}

template <class Interface>
HRESULT DirectDrawFace<Interface>::CreateClipper(DWORD flags, LPDIRECTDRAWCLIPPER *clipper,
                                                 IUnknown *) {
    DDrawCall record = call("CreateClipper");
    record.flags = flags;
    return owner.createClipper(record, clipper);
}

template <class Interface>
HRESULT DirectDrawFace<Interface>::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE *surface,
                                                 IUnknown *) {
    return owner.createSurface(call("CreateSurface"), desc, surface);
}

template <class Interface> HRESULT DirectDrawFace<Interface>::RestoreDisplayMode() {
    return owner.log.record(call("RestoreDisplayMode"));
}

template <class Interface>
HRESULT DirectDrawFace<Interface>::SetCooperativeLevel(HWND window, DWORD flags) {
    DDrawCall record = call("SetCooperativeLevel");
    record.window = window;
    record.flags = flags;
    return owner.log.record(record);
}

template <class Interface>
HRESULT DirectDrawFace<Interface>::WaitForVerticalBlank(DWORD flags, HANDLE) {
    DDrawCall record = call("WaitForVerticalBlank");
    record.flags = flags;
    return owner.log.record(record);
}

template class DirectDrawFace<IDirectDraw>;
template class DirectDrawFace<IDirectDraw2>;

// The faces' own methods

HRESULT FakeDirectDraw2::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel,
                                        DWORD refreshRate, DWORD flags) {
    DDrawCall record = call("SetDisplayMode");
    record.width = width;
    record.height = height;
    record.bitsPerPixel = bitsPerPixel;
    record.refreshRate = refreshRate;
    record.flags = flags;
    return owner.log.record(record);
}

HRESULT FakeDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    DDrawCall record = call("SetDisplayMode");
    record.width = width;
    record.height = height;
    record.bitsPerPixel = bitsPerPixel;
    return log.record(record);
}

// The object

FakeDirectDraw::FakeDirectDraw(DDrawCallLog &log, DWORD primaryWidth, DWORD primaryHeight)
    : DirectDrawFace(*this, "ddraw"), log(log), primaryWidth(primaryWidth),
      primaryHeight(primaryHeight), second(*this) {}

FakeDirectDrawSurface *FakeDirectDraw::find(const IDirectDrawSurface *surface) const {
    for (const auto &candidate : surfaces)
        if (candidate.get() == surface)
            return candidate.get();
    return nullptr;
}

HRESULT FakeDirectDraw::queryInterface(DDrawCall record, REFIID riid, void **object) {
    HRESULT hr = log.record(record);
    if (object)
        *object = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!object)
        return E_POINTER;
    if (IsEqualGUID(riid, IID_IDirectDraw2)) {
        second.refCount++;
        *object = static_cast<IDirectDraw2 *>(&second);
        return DD_OK;
    }
    if (IsEqualGUID(riid, IID_IDirectDraw) || IsEqualGUID(riid, IID_IUnknown)) {
        refCount++;
        *object = static_cast<IDirectDraw *>(this);
        return DD_OK;
    }
    return E_NOINTERFACE;
}

HRESULT FakeDirectDraw::createSurface(DDrawCall record, LPDDSURFACEDESC desc,
                                      LPDIRECTDRAWSURFACE *surface) {
    if (desc) {
        record.structSize = desc->dwSize;
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

HRESULT FakeDirectDraw::createClipper(DDrawCall record, LPDIRECTDRAWCLIPPER *clipper) {
    HRESULT hr = log.record(record);
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

void FakeDirectDraw::endIfUnused() {
    if (alive() || ended)
        return;
    ended = true;
    for (auto &surface : surfaces)
        surface->end();
}
