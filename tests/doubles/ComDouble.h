// What the COM test doubles of ddraw.h share: the one answer to every interface method the
// program never calls.
#pragma once

#include <windows.h>
#include <ddraw.h>

// Declares an interface method that the double records and refuses with DDERR_UNSUPPORTED,
// through the class's own unsupported(method).
#define UNSUPPORTED_METHOD(method, ...)                                                            \
    STDMETHOD(method)(__VA_ARGS__) override {                                                      \
        return unsupported(#method);                                                               \
    }
