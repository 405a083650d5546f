#include "FakeDirectDrawClipper.h"

FakeDirectDrawClipper::FakeDirectDrawClipper(DDrawCallLog &log, std::string name)
    : log(log), name(std::move(name)) {}

DDrawCall FakeDirectDrawClipper::call(const char *method) const {
    DDrawCall record;
    record.object = this;
    record.objectName = name;
    record.method = method;
    record.afterRelease = refCount <= 0;
    return record;
}

HRESULT FakeDirectDrawClipper::QueryInterface(REFIID, void **object) {
    if (object)
        *object = nullptr;
    return unsupported("QueryInterface");
}

ULONG FakeDirectDrawClipper::AddRef() {
    log.record(call("AddRef"));
    return static_cast<ULONG>(++refCount);
}

ULONG FakeDirectDrawClipper::Release() {
    log.record(call("Release"));
    return static_cast<ULONG>(--refCount);
}

HRESULT FakeDirectDrawClipper::GetHWnd(HWND *result) {
    HRESULT hr = log.record(call("GetHWnd"));
    if (result)
        *result = window;
    return hr;
}

HRESULT FakeDirectDrawClipper::SetHWnd(DWORD flags, HWND newWindow) {
    DDrawCall record = call("SetHWnd");
    record.flags = flags;
    record.window = newWindow;
    HRESULT hr = log.record(record);
    if (hr == DD_OK)
        window = newWindow;
    return hr;
}
