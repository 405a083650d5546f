// The two Display set-ups: every step's arguments, the code of every failing step and that
// nothing after it runs, and Display::release after success and after failure.
#include "DisplayTestBed.h"

namespace {

using Sequence = std::vector<std::string>;

const Sequence FULL_SCREEN_STEPS = {
    "platform.DirectDrawCreate",  "ddraw.QueryInterface",  "ddraw.Release",
    "ddraw2.SetCooperativeLevel", "ddraw2.SetDisplayMode", "ddraw2.CreateSurface",
    "primary.GetAttachedSurface",
};

const Sequence WINDOWED_STEPS = {
    "platform.GetDC",       "platform.GetDeviceCaps",     "platform.GetDeviceCaps",
    "platform.ReleaseDC",   "platform.DirectDrawCreate",  "ddraw.QueryInterface",
    "ddraw.Release",        "ddraw2.SetCooperativeLevel", "ddraw2.CreateSurface",
    "ddraw2.CreateSurface", "ddraw2.CreateClipper",       "clipper1.SetHWnd",
    "primary.SetClipper",
};

// The first n entries of steps.
Sequence firstSteps(const Sequence &steps, size_t n) {
    return Sequence(steps.begin(), steps.begin() + static_cast<long>(n));
}

struct FailingStep {
    const char *method;
    int occurrence;
    size_t stepsRun; // calls made up to and including the failing one
    ResultCode expected;
};

using DisplaySetup = DisplayTestBed;

TEST_F(DisplaySetup, FullScreenMakesEveryStepWithItsFlagsAndSizes) {
    Display display;
    ASSERT_EQ(RC_SUCCESS, display.setFullScreen(window, 640, 480, 16, 1));

    EXPECT_EQ(FULL_SCREEN_STEPS, callSequence(fake.log));
    const DDrawCall create = fake.log.callsOf("DirectDrawCreate")[0];
    EXPECT_EQ(nullptr, create.driver) << "the active display driver";
    EXPECT_EQ(nullptr, create.outer) << "no outer object";
    EXPECT_TRUE(IsEqualGUID(IID_IDirectDraw2, fake.log.callsOf("QueryInterface")[0].iid));
    const DDrawCall cooperation = fake.log.callsOf("SetCooperativeLevel")[0];
    EXPECT_EQ(window, cooperation.window);
    EXPECT_EQ(0x53u, cooperation.flags);
    const DDrawCall mode = fake.log.callsOf("SetDisplayMode")[0];
    EXPECT_EQ(640u, mode.width);
    EXPECT_EQ(480u, mode.height);
    EXPECT_EQ(16u, mode.bitsPerPixel);
    EXPECT_EQ(0u, mode.refreshRate);
    EXPECT_EQ(DWORD(DDSDM_STANDARDVGAMODE), mode.flags);
    const DDrawCall primary = fake.log.callsOf("CreateSurface")[0];
    EXPECT_EQ(DWORD(sizeof(DDSURFACEDESC)), primary.structSize);
    EXPECT_EQ(0x21u, primary.flags);
    EXPECT_EQ(0x218u, primary.caps);
    EXPECT_EQ(1u, primary.backBufferCount);
    EXPECT_EQ(DWORD(DDSCAPS_BACKBUFFER), fake.log.callsOf("GetAttachedSurface")[0].caps);

    FakeDirectDraw &object = *fake.latest();
    EXPECT_EQ(&object.second, directDraw);
    EXPECT_EQ(object.surfaces[0].get(), display.primary->surface);
    EXPECT_EQ(object.surfaces[1].get(), display.backBuffer->surface);
    EXPECT_EQ(nullptr, display.clipper);
    EXPECT_EQ(1, display.fullScreen);
    EXPECT_EQ(window, display.window);
    EXPECT_EQ(640, ScreenWidth);
    EXPECT_EQ(480, ScreenHeight);
    EXPECT_EQ(16, ScreenBitsPerPixel);
    display.release();
}

TEST_F(DisplaySetup, FullScreenAsksForNoStandardVgaModeWhenNotWanted) {
    Display display;
    ASSERT_EQ(RC_SUCCESS, display.setFullScreen(window, 640, 480, 32, 0));
    EXPECT_EQ(0u, fake.log.callsOf("SetDisplayMode")[0].flags);
    display.release();
}

TEST_F(DisplaySetup, WindowedMakesEveryStepWithItsFlagsAndSizes) {
    screen.bitsPerPixel = 16;
    Display display;
    ASSERT_EQ(RC_SUCCESS, display.setWindowed(window, 640, 480));

    EXPECT_EQ(WINDOWED_STEPS, callSequence(fake.log));
    EXPECT_EQ(nullptr, fake.log.callsOf("GetDC")[0].window) << "the screen's device context";
    EXPECT_EQ(BITSPIXEL, fake.log.callsOf("GetDeviceCaps")[0].capabilityIndex);
    EXPECT_EQ(PLANES, fake.log.callsOf("GetDeviceCaps")[1].capabilityIndex);
    EXPECT_EQ(screen.screenDC, fake.log.callsOf("ReleaseDC")[0].dc);
    const DDrawCall cooperation = fake.log.callsOf("SetCooperativeLevel")[0];
    EXPECT_EQ(window, cooperation.window);
    EXPECT_EQ(DWORD(DDSCL_NORMAL), cooperation.flags);
    DDrawCalls creates = fake.log.callsOf("CreateSurface");
    EXPECT_EQ(DWORD(sizeof(DDSURFACEDESC)), creates[0].structSize);
    EXPECT_EQ(1u, creates[0].flags);
    EXPECT_EQ(0x200u, creates[0].caps);
    EXPECT_EQ(DWORD(sizeof(DDSURFACEDESC)), creates[1].structSize);
    EXPECT_EQ(7u, creates[1].flags);
    EXPECT_EQ(0x40u, creates[1].caps);
    EXPECT_EQ(640u, creates[1].width);
    EXPECT_EQ(480u, creates[1].height);
    EXPECT_EQ(0u, fake.log.callsOf("CreateClipper")[0].flags);
    const DDrawCall bind = fake.log.callsOf("SetHWnd")[0];
    EXPECT_EQ(0u, bind.flags);
    EXPECT_EQ(window, bind.window);
    EXPECT_EQ(display.clipper, fake.log.callsOf("SetClipper")[0].clipper);

    EXPECT_EQ(0, display.fullScreen);
    EXPECT_NE(nullptr, display.clipper);
    EXPECT_EQ(16, ScreenBitsPerPixel);
    EXPECT_EQ(640, ScreenWidth);
    EXPECT_EQ(480, ScreenHeight);
    display.release();
}

TEST_F(DisplaySetup, WindowedDepthMultipliesBitsByPlanes) {
    screen.bitsPerPixel = 8;
    screen.planes = 2;
    Display display;
    display.setWindowed(window, 640, 480);
    EXPECT_EQ(16, ScreenBitsPerPixel);
    display.release();
}

TEST_F(DisplaySetup, FullScreenFailureReturnsTheStepsCodeAndStopsThere) {
    const FailingStep steps[] = {
        {"DirectDrawCreate", 1, 1, RC_DDRAW_INIT_FAILED},
        {"QueryInterface", 1, 2, RC_DDRAW2_INIT_FAILED},
        {"SetCooperativeLevel", 1, 4, RC_DDRAW_COOP_FAILED},
        {"SetDisplayMode", 1, 5, RC_MODE_UNSUPPORTED},
        {"CreateSurface", 1, 6, RC_PRIMARY_CREATE_FAILED},
        {"GetAttachedSurface", 1, 7, RC_BACKBUFFER_CREATE_FAILED},
    };
    for (const FailingStep &step : steps) {
        SCOPED_TRACE(step.method);
        FakeDDraw stepFake;
        stepFake.failCall(step.method, step.occurrence, DDERR_GENERIC);
        Display display;
        EXPECT_EQ(step.expected, display.setFullScreen(window, 640, 480, 32, 1));
        Sequence expected = firstSteps(FULL_SCREEN_STEPS, step.stepsRun);
        if (step.expected == RC_DDRAW2_INIT_FAILED)
            expected.push_back("ddraw.Release"); // the first interface is not kept
        EXPECT_EQ(expected, callSequence(stepFake.log));
        display.release();
        for (const auto &object : stepFake.objects)
            EXPECT_FALSE(object->alive()) << "the DirectDraw object outlived the release";
    }
}

TEST_F(DisplaySetup, WindowedFailureReturnsTheStepsCodeAndStopsThere) {
    const FailingStep steps[] = {
        {"DirectDrawCreate", 1, 5, RC_DDRAW_INIT_FAILED},
        {"QueryInterface", 1, 6, RC_DDRAW2_INIT_FAILED},
        {"SetCooperativeLevel", 1, 8, RC_DDRAW_COOP_FAILED},
        {"CreateSurface", 1, 9, RC_PRIMARY_CREATE_FAILED},
        {"CreateSurface", 2, 10, RC_BACKBUFFER_CREATE_FAILED},
        {"CreateClipper", 1, 11, RC_CLIPPER_CREATE_FAILED},
        {"SetHWnd", 1, 12, RC_CLIPPER_HWND_FAILED},
        {"SetClipper", 1, 13, RC_CLIPPER_ATTACH_FAILED},
    };
    for (const FailingStep &step : steps) {
        SCOPED_TRACE(std::string(step.method) + " #" + std::to_string(step.occurrence));
        FakeDDraw stepFake;
        FakeScreen stepScreen(stepFake.log);
        stepFake.failCall(step.method, step.occurrence, DDERR_GENERIC);
        Display display;
        EXPECT_EQ(step.expected, display.setWindowed(window, 640, 480));
        Sequence expected = firstSteps(WINDOWED_STEPS, step.stepsRun);
        if (step.expected == RC_DDRAW2_INIT_FAILED)
            expected.push_back("ddraw.Release");
        EXPECT_EQ(expected, callSequence(stepFake.log));
        display.release();
        for (const auto &object : stepFake.objects)
            EXPECT_FALSE(object->alive()) << "the DirectDraw object outlived the release";
    }
}

TEST_F(DisplaySetup, WindowedNeverReturnsModeUnsupported) {
    fake.failCall("SetDisplayMode", 0, DDERR_GENERIC);
    Display display;
    EXPECT_EQ(RC_SUCCESS, display.setWindowed(window, 640, 480));
    EXPECT_EQ(0, fake.log.count("SetDisplayMode"));
    display.release();
}

TEST_F(DisplaySetup, FullScreenNeverTouchesAClipper) {
    fake.failCall("CreateClipper", 0, DDERR_GENERIC);
    fake.failCall("SetHWnd", 0, DDERR_GENERIC);
    fake.failCall("SetClipper", 0, DDERR_GENERIC);
    Display display;
    EXPECT_EQ(RC_SUCCESS, display.setFullScreen(window, 640, 480, 32, 1));
    display.release();
}

TEST_F(DisplaySetup, ReleaseAfterFullScreenGivesBackEveryReference) {
    Display display;
    ASSERT_EQ(RC_SUCCESS, display.setFullScreen(window, 640, 480, 32, 1));
    FakeDirectDraw &object = *fake.latest();
    FakeDirectDrawSurface &front = *object.surfaces[0];
    FakeDirectDrawSurface &back = *object.surfaces[1];
    fake.log.clear();

    display.release();

    EXPECT_EQ((Sequence{"ddraw2.RestoreDisplayMode", "backbuffer.Release", "primary.Release",
                        "ddraw2.Release"}),
              callSequence(fake.log));
    EXPECT_EQ(0, object.refCount);
    EXPECT_EQ(0, object.second.refCount);
    EXPECT_EQ(0, front.refCount);
    EXPECT_EQ(0, back.refCount);
    EXPECT_EQ(nullptr, directDraw);
    EXPECT_EQ(nullptr, display.primary);
    EXPECT_EQ(nullptr, display.backBuffer);
    EXPECT_EQ(nullptr, display.clipper);
    EXPECT_EQ(0, fake.log.callsAfterRelease());
}

TEST_F(DisplaySetup, ReleaseAfterWindowedGivesBackEveryReference) {
    Display display;
    ASSERT_EQ(RC_SUCCESS, display.setWindowed(window, 640, 480));
    FakeDirectDraw &object = *fake.latest();
    FakeDirectDrawClipper &clipper = *object.clippers[0];
    fake.log.clear();

    display.release();

    EXPECT_EQ((Sequence{"ddraw2.RestoreDisplayMode", "surface2.Release", "primary.Release",
                        "clipper1.Release", "ddraw2.Release"}),
              callSequence(fake.log));
    EXPECT_EQ(0, object.second.refCount);
    EXPECT_EQ(0, object.surfaces[0]->refCount);
    EXPECT_EQ(0, object.surfaces[1]->refCount);
    EXPECT_EQ(0, clipper.refCount);
    EXPECT_EQ(nullptr, display.clipper);
    EXPECT_EQ(0, fake.log.callsAfterRelease());
}

TEST_F(DisplaySetup, ReleaseKeepsTheScreenValues) {
    Display display;
    display.setFullScreen(window, 800, 600, 24, 0);
    display.release();
    EXPECT_EQ(800, ScreenWidth);
    EXPECT_EQ(600, ScreenHeight);
    EXPECT_EQ(24, ScreenBitsPerPixel);
}

TEST_F(DisplaySetup, ReleaseOfANeverSetUpDisplayDoesNothing) {
    Display display;
    display.release();
    EXPECT_TRUE(fake.log.calls.empty());
}

TEST_F(DisplaySetup, SecondReleaseDoesNothing) {
    Display display;
    display.setWindowed(window, 640, 480);
    display.release();
    fake.log.clear();
    display.release();
    EXPECT_TRUE(fake.log.calls.empty());
}

TEST_F(DisplaySetup, ReleaseAfterPrimaryFailureDeletesBothWrappersAndTheObject) {
    fake.failCall("CreateSurface", 1, DDERR_GENERIC);
    Display display;
    ASSERT_EQ(RC_PRIMARY_CREATE_FAILED, display.setWindowed(window, 640, 480));
    ASSERT_NE(nullptr, display.primary);
    ASSERT_NE(nullptr, display.backBuffer);
    EXPECT_EQ(nullptr, display.primary->surface);
    fake.log.clear();

    display.release();

    EXPECT_EQ((Sequence{"ddraw2.RestoreDisplayMode", "ddraw2.Release"}), callSequence(fake.log));
    EXPECT_EQ(nullptr, display.primary);
    EXPECT_EQ(nullptr, display.backBuffer);
}

TEST_F(DisplaySetup, WindowedDepthCarriesIntoTheNextFullScreenMode) {
    screen.bitsPerPixel = 16;
    Display *windowed = new Display;
    windowed->setWindowed(window, 640, 480);
    windowed->release();
    delete windowed;
    Display fullScreen;
    fullScreen.setFullScreen(window, 640, 480, ScreenBitsPerPixel, 1);
    const DDrawCall mode = fake.log.callsOf("SetDisplayMode")[0];
    EXPECT_EQ(640u, mode.width);
    EXPECT_EQ(480u, mode.height);
    EXPECT_EQ(16u, mode.bitsPerPixel);
    fullScreen.release();
}

TEST_F(DisplaySetup, ConstructorClearsTheDirectDrawObject) {
    fake.installAsDirectDraw();
    ASSERT_NE(nullptr, directDraw);
    Display display;
    EXPECT_EQ(nullptr, directDraw);
    EXPECT_EQ(nullptr, display.primary);
    EXPECT_EQ(nullptr, display.backBuffer);
    EXPECT_EQ(nullptr, display.clipper);
}

} // namespace
