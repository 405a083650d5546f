// PlatformOverride: the one way a test puts its own functions into the platform table.
//
//   PlatformOverride calls;
//   calls.set(&PlatformCalls::GetTempPathW, fakeGetTempPathW);
//
// While it lives, set() replaces entries; when it ends, the whole table is back as it was when
// it began. So overrides nest in any order of declaration: one declared after a double keeps
// the double's functions, and each puts back exactly what it found.
#pragma once

#include "platform/PlatformCalls.h"

// The type T itself; as a parameter type it keeps T from being deduced there.
template <typename T> struct SameType { using Type = T; };

class PlatformOverride {
  public:
    PlatformOverride() : saved(platform) {}
    ~PlatformOverride() { platform = saved; }
    PlatformOverride(const PlatformOverride &) = delete;
    PlatformOverride &operator=(const PlatformOverride &) = delete;

    // Puts replacement into the table's entry until this override ends.
    template <typename Function>
    void set(Function PlatformCalls::*entry, typename SameType<Function>::Type replacement) {
        platform.*entry = replacement;
    }

  private:
    const PlatformCalls saved;
};
