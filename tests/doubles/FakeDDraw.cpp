#include "FakeDDraw.h"

#include "display/Display.h"

FakeDDraw *FakeDDraw::current = nullptr;

namespace {

// Stands in for DirectDrawCreate: records the call, then hands out a new fake object.
HRESULT WINAPI fakeDirectDrawCreate(GUID *guid, LPDIRECTDRAW *result, IUnknown *outer) {
    FakeDDraw &fake = *FakeDDraw::current;
    DDrawCall record = platformCall("DirectDrawCreate");
    record.driver = guid;
    record.outer = outer;
    HRESULT hr = fake.log.record(record);
    if (result)
        *result = nullptr;
    if (hr != DD_OK)
        return hr;
    if (!result)
        return DDERR_INVALIDPARAMS;
    fake.objects.push_back(
        std::make_unique<FakeDirectDraw>(fake.log, fake.screenWidth, fake.screenHeight));
    FakeDirectDraw *made = fake.objects.back().get();
    made->refCount = 1;
    *result = made;
    return DD_OK;
}

} // namespace

FakeDDraw::FakeDDraw() : previousCurrent(current), previousPacing(framePacingEnabled) {
    current = this;
    // The fake's WaitForVerticalBlank returns at once; pacing would only slow the tests down.
    framePacingEnabled = false;
    calls.set(&PlatformCalls::DirectDrawCreate, fakeDirectDrawCreate);
}

FakeDDraw::~FakeDDraw() {
    for (const auto &object : objects)
        if (directDraw == &object->second)
            directDraw = nullptr;
    framePacingEnabled = previousPacing;
    current = previousCurrent;
}

FakeDirectDraw *FakeDDraw::latest() const {
    return objects.empty() ? nullptr : objects.back().get();
}

FakeDirectDraw2 *FakeDDraw::latest2() const {
    return objects.empty() ? nullptr : &objects.back()->second;
}

IDirectDraw2 *FakeDDraw::installAsDirectDraw() {
    IDirectDraw *first = nullptr;
    if (fakeDirectDrawCreate(nullptr, &first, nullptr) != DD_OK)
        return nullptr;
    void *second = nullptr;
    first->QueryInterface(IID_IDirectDraw2, &second);
    first->Release();
    directDraw = static_cast<IDirectDraw2 *>(second);
    return directDraw;
}

FakeDirectDrawSurface *FakeDDraw::find(const IDirectDrawSurface *surface) const {
    for (const auto &object : objects)
        if (FakeDirectDrawSurface *found = object->find(surface))
            return found;
    return nullptr;
}

DDrawCalls FakeDDraw::bltFastOnto(const IDirectDrawSurface *destination) const {
    return log.callsOf("BltFast", destination);
}
