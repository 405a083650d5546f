// FakeDirectDrawClipper: a recording IDirectDrawClipper test double with a reference count and
// the window it was bound to.
#pragma once

#include <string>

#include <windows.h>
#include <ddraw.h>

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
    STDMETHOD(GetClipList)(LPRECT rect, LPRGNDATA clipList, LPDWORD size) override;
    STDMETHOD(GetHWnd)(HWND *window) override;
    STDMETHOD(Initialize)(LPDIRECTDRAW ddraw, DWORD flags) override;
    STDMETHOD(IsClipListChanged)(WINBOOL *changed) override;
    STDMETHOD(SetClipList)(LPRGNDATA clipList, DWORD flags) override;
    STDMETHOD(SetHWnd)(DWORD flags, HWND window) override;

  private:
    // A call record addressed to this clipper.
    DDrawCall call(const char *method) const;
    // Records an interface method that the double does not implement.
    HRESULT unsupported(const char *method);
};
