// DisplayTestBed: the fixture of the Display and Surface tests: fake DirectDraw, screen and GDI
// calls recording into one log, and the process-wide display values reset around each test.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "display/Display.h"
#include "doubles/FakeDDraw.h"
#include "doubles/FakeGdi.h"
#include "doubles/FakeScreen.h"

// An HRESULT as the tests print it: 0x887601C2.
std::string hex(HRESULT result);

// "object.method" for every recorded call, in order.
std::vector<std::string> callSequence(const DDrawCallLog &log);

class DisplayTestBed : public ::testing::Test {
  protected:
    DisplayTestBed();
    ~DisplayTestBed() override;

    // A window handle the fakes only pass around.
    HWND const window = reinterpret_cast<HWND>(0x4321);

    FakeDDraw fake;
    FakeScreen screen{fake.log};
    FakeGdi gdi{fake.log};
};
