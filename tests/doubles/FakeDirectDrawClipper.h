// FakeDirectDrawClipper: a recording IDirectDrawClipper test double with a reference count and
// the window it was bound to.
#pragma once

#include <string>

#include <windows.h>
#include <ddraw.h>

#include "ComDouble.h"
#include "DDrawCallLog.h"

class FakeDirectDrawClipper : public IDirectDrawClipper {
  public:
    FakeDirectDrawClipper(DDrawCallLog &log, std::string name);
    FakeDirectDrawClipper(const FakeDirectDrawClipper &) = delete;
    FakeDirectDrawClipper &operator=(const FakeDirectDrawClipper &) = delete;
    virtual ~FakeDirectDrawClipper() = default;

    DDrawCallLog &log;
    std::string name;
    LONG refCount = 1;
    HWND window = nullptr;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void **object) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDirectDrawClipper
    STDMETHOD(GetHWnd)(HWND *window) override;
    STDMETHOD(SetHWnd)(DWORD flags, HWND window) override;
    UNSUPPORTED_METHOD(GetClipList, LPRECT, LPRGNDATA, LPDWORD)
    UNSUPPORTED_METHOD(Initialize, LPDIRECTDRAW, DWORD)
    UNSUPPORTED_METHOD(IsClipListChanged, WINBOOL *)
    UNSUPPORTED_METHOD(SetClipList, LPRGNDATA, DWORD)

  private:
    // A call record addressed to this clipper.
    DDrawCall call(const char *method) const;
    HRESULT unsupported(const char *method) { return log.refuse(call(method)); }
};
