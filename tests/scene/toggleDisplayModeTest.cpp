// toggleDisplayMode: windowed and full screen in turn whether or not the set-up works, the
// arguments of each set-up, the centring after a windowed one, the sprite reload onto the new
// display only, and an animation that carries on across the change.
#include <gtest/gtest.h>

#include <algorithm>

#include "SceneStartBed.h"
#include "app/mainWindow.h"
#include "ScenePlatform.h"
#include "display/Display.h"
#include "scene/Scene.h"

namespace {

class ToggleDisplayModeTest : public SceneStartBed {
  protected:
    // The set-up calls of the nth DirectDraw object (0 = the start-up's).
    DDrawCalls callsOn(size_t n, const std::string &method) const {
        const FakeDirectDraw *object = ddraw.objects.at(n).get();
        DDrawCalls calls = ddraw.log.callsOf(method, object);
        for (const DDrawCall &call : ddraw.log.callsOf(method, &object->second)) {
            calls.push_back(call);
        }
        return calls;
    }
};

constexpr DWORD FULL_SCREEN_LEVEL =
    DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT | DDSCL_ALLOWMODEX;

TEST_F(ToggleDisplayModeTest, AlternatesFullScreenAndWindowedSetUps) {
    screen.bitsPerPixel = 16;
    startWorkingScene();
    ASSERT_EQ(1, fullScreenNext);

    const int expectedNext[] = {0, 1, 0, 1};
    for (int toggle = 1; toggle <= 4; ++toggle) {
        SCOPED_TRACE(::testing::Message() << "toggle " << toggle);
        toggleDisplayMode();
        EXPECT_EQ(expectedNext[toggle - 1], fullScreenNext);
        ASSERT_EQ(static_cast<size_t>(toggle + 1), ddraw.objects.size());
        DDrawCalls levels = callsOn(toggle, "SetCooperativeLevel");
        ASSERT_EQ(1u, levels.size());
        EXPECT_EQ(TEST_WINDOW, levels[0].window);
        DDrawCalls modes = callsOn(toggle, "SetDisplayMode");
        bool fullScreen = toggle % 2 == 1;
        if (fullScreen) {
            EXPECT_EQ(FULL_SCREEN_LEVEL, levels[0].flags);
            ASSERT_EQ(1u, modes.size());
            EXPECT_EQ(640u, modes[0].width);
            EXPECT_EQ(480u, modes[0].height);
            EXPECT_EQ(16u, modes[0].bitsPerPixel) << "the desktop's depth";
            EXPECT_EQ(0u, modes[0].refreshRate);
            EXPECT_EQ(static_cast<DWORD>(DDSDM_STANDARDVGAMODE), modes[0].flags);
            EXPECT_EQ(1, currentDisplay->fullScreen);
        } else {
            EXPECT_EQ(static_cast<DWORD>(DDSCL_NORMAL), levels[0].flags);
            EXPECT_TRUE(modes.empty());
            EXPECT_EQ(0, currentDisplay->fullScreen);
        }
        EXPECT_FALSE(ddraw.objects[toggle - 1]->alive()) << "the old display is released";
        EXPECT_EQ(640, ScreenWidth);
        EXPECT_EQ(480, ScreenHeight);
        EXPECT_EQ(16, ScreenBitsPerPixel);
    }
    EXPECT_TRUE(sceneCalls.messageBoxes.empty());
    EXPECT_TRUE(sceneCalls.quitCodes.empty());
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

std::vector<EXECUTION_STATE> executionStates;
EXECUTION_STATE WINAPI recordExecutionState(EXECUTION_STATE state) {
    executionStates.push_back(state);
    return ES_CONTINUOUS;
}

TEST_F(ToggleDisplayModeTest, AltEnterTellsTheSystemTheDisplayIsInUseOnlyInFullScreen) {
    startWorkingScene();
    PlatformOverride calls;
    calls.set(&PlatformCalls::SetThreadExecutionState, recordExecutionState);
    executionStates.clear();
    mainWindowProc(TEST_WINDOW, WM_SYSKEYUP, VK_RETURN, 0);
    mainWindowProc(TEST_WINDOW, WM_SYSKEYUP, VK_RETURN, 0);
    EXPECT_EQ((std::vector<EXECUTION_STATE>{ES_CONTINUOUS | ES_DISPLAY_REQUIRED, ES_CONTINUOUS}),
              executionStates);
}

TEST_F(ToggleDisplayModeTest, ReleasesTheOldDisplayBeforeMakingTheNewOne) {
    startWorkingScene();
    ddraw.log.clear();
    toggleDisplayMode();
    std::vector<std::string> methods = ddraw.log.methods();
    auto first = [&](const std::string &method) {
        return std::find(methods.begin(), methods.end(), method) - methods.begin();
    };
    ASSERT_LT(first("RestoreDisplayMode"), static_cast<long>(methods.size()));
    EXPECT_LT(first("RestoreDisplayMode"), first("DirectDrawCreate"));
    EXPECT_LT(first("Release"), first("DirectDrawCreate"));
}

TEST_F(ToggleDisplayModeTest, CentresTheWindowOnlyAfterWindowedSetUps) {
    startWorkingScene();
    toggleDisplayMode(); // full screen
    EXPECT_EQ(1u, sceneCalls.windowPositions.size()) << "only the start-up's";
    toggleDisplayMode(); // windowed
    EXPECT_EQ(2u, sceneCalls.windowPositions.size());
}

struct ScreenSize {
    int width;
    int height;
    int x;
    int y;
};

TEST_F(ToggleDisplayModeTest, CentresWithHalvesThatRoundTowardZero) {
    startWorkingScene();
    const ScreenSize cases[] = {
        {1024, 768, 192, 144},
        {1366, 768, 363, 144},
        {601, 479, -20, -1},
        {639, 1, -1, -240},
    };
    for (const ScreenSize &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        sceneCalls.screenWidth = c.width;
        sceneCalls.screenHeight = c.height;
        toggleDisplayMode(); // full screen
        sceneCalls.windowPositions.clear();
        toggleDisplayMode(); // windowed
        ASSERT_EQ(1u, sceneCalls.windowPositions.size());
        const WindowPosCall &position = sceneCalls.windowPositions[0];
        EXPECT_EQ(TEST_WINDOW, position.window);
        EXPECT_EQ(HWND_TOP, position.insertAfter);
        EXPECT_EQ(c.x, position.x);
        EXPECT_EQ(c.y, position.y);
        EXPECT_EQ(640, position.width);
        EXPECT_EQ(480, position.height);
        EXPECT_EQ(0u, position.flags);
    }
}

TEST_F(ToggleDisplayModeTest, FlipsTheModeAndQuitsWhenTheSetUpFails) {
    startWorkingScene();
    ddraw.failCall("DirectDrawCreate", 0, DDERR_GENERIC);
    size_t windowPositions = sceneCalls.windowPositions.size();

    const int expectedNext[] = {0, 1, 0};
    for (int toggle = 1; toggle <= 3; ++toggle) {
        SCOPED_TRACE(::testing::Message() << "toggle " << toggle);
        toggleDisplayMode();
        EXPECT_EQ(expectedNext[toggle - 1], fullScreenNext);
        ASSERT_EQ(static_cast<size_t>(toggle), sceneCalls.messageBoxes.size());
        const MessageBoxCall &box = sceneCalls.messageBoxes.back();
        EXPECT_EQ(TEST_WINDOW, box.owner);
        EXPECT_EQ("Could not initialize DirectDraw!", box.text);
        EXPECT_EQ("Error!", box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
        EXPECT_EQ(std::vector<int>(toggle, 0), sceneCalls.quitCodes);
    }
    EXPECT_EQ(windowPositions + 1, sceneCalls.windowPositions.size())
        << "the failed windowed set-up still centres the window";
}

TEST_F(ToggleDisplayModeTest, DisplayChangeRebuildsTheWindowedDisplayOncePerNewMode) {
    startWorkingScene(); // windowed on 1024 x 768 x 32
    logoX = -17;
    MciRecorder::calls.clear();
    // The desktop's width, height and depth, and the displays made so far after the message.
    const int steps[][4] = {
        {1024, 768, 32, 1}, {800, 600, 32, 2}, {800, 600, 32, 2}, {800, 600, 16, 3}};
    for (const auto &step : steps) {
        SCOPED_TRACE(::testing::Message() << step[0] << " x " << step[1] << " x " << step[2]);
        sceneCalls.screenWidth = step[0];
        sceneCalls.screenHeight = step[1];
        screen.bitsPerPixel = step[2];
        mainWindowProc(TEST_WINDOW, WM_DISPLAYCHANGE, step[2], MAKELPARAM(step[0], step[1]));
        EXPECT_EQ(static_cast<size_t>(step[3]), ddraw.objects.size());
        EXPECT_EQ(static_cast<size_t>(step[3]), sceneCalls.windowPositions.size());
    }
    const WindowPosCall &position = sceneCalls.windowPositions.back();
    EXPECT_EQ(80, position.x);
    EXPECT_EQ(60, position.y);
    EXPECT_EQ(static_cast<UINT>(SWP_NOZORDER | SWP_NOACTIVATE), position.flags) << "no focus taken";
    EXPECT_EQ(3u, spriteCreations(ddraw.latest()).size());
    EXPECT_EQ(16, ScreenBitsPerPixel);

    toggleDisplayMode(); // full screen, whose mode is its own
    sceneCalls.screenWidth = 640;
    sceneCalls.screenHeight = 480;
    mainWindowProc(TEST_WINDOW, WM_DISPLAYCHANGE, 16, MAKELPARAM(640, 480));
    EXPECT_EQ(4u, ddraw.objects.size());
    EXPECT_EQ(-17, logoX) << "the animation goes on";
    EXPECT_TRUE(MciRecorder::calls.empty()) << "the tune goes on untouched";
    EXPECT_TRUE(sceneCalls.messageBoxes.empty());
}

TEST_F(ToggleDisplayModeTest, AWindowMinimisedWhileTheScreenChangedIsCentredOnceWhenRestored) {
    startWorkingScene(); // windowed on 1024 x 768
    mainWindowProc(TEST_WINDOW, WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_EQ(1u, sceneCalls.windowPositions.size()) << "no screen change, no move";
    sceneCalls.minimised = true;
    sceneCalls.screenWidth = 800;
    sceneCalls.screenHeight = 600;
    mainWindowProc(TEST_WINDOW, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    sceneCalls.minimised = false;
    for (WPARAM kind : {SIZE_MINIMIZED, SIZE_RESTORED, SIZE_RESTORED}) {
        mainWindowProc(TEST_WINDOW, WM_SIZE, kind, MAKELPARAM(SCREEN_WIDTH, SCREEN_HEIGHT));
    }
    ASSERT_EQ(3u, sceneCalls.windowPositions.size()) << "start, rebuild, one restore";
    const WindowPosCall &position = sceneCalls.windowPositions.back();
    EXPECT_EQ(80, position.x);
    EXPECT_EQ(60, position.y);
    EXPECT_EQ(PLACE_ONLY, position.flags);
}

TEST_F(ToggleDisplayModeTest, WrongModeFromRestoreRebuildsOnceForTheNewDesktop) {
    startWorkingScene();
    IDirectDrawSurface *primary = currentDisplay->primary->surface;
    ddraw.find(primary)->lost = true;
    ddraw.failCall("Restore", 0, DDERR_WRONGMODE, primary);
    renderFrame();
    EXPECT_EQ(1u, ddraw.objects.size()) << "the desktop as it was: nothing to build for";
    sceneCalls.screenWidth = 800;
    sceneCalls.screenHeight = 600;
    renderFrame();
    renderFrame();
    ASSERT_EQ(2u, ddraw.objects.size()) << "once, not on every frame";
    EXPECT_EQ(80, sceneCalls.windowPositions.back().x);
    EXPECT_EQ(1, fullScreenNext);
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

TEST_F(ToggleDisplayModeTest, FailedRebuildShowsTheBoxAndQuits) {
    startWorkingScene();
    ddraw.failCall("CreateClipper", 0, DDERR_GENERIC);
    sceneCalls.screenWidth = 800;
    rebuildWindowedDisplay();
    ASSERT_EQ(1u, sceneCalls.messageBoxes.size());
    EXPECT_EQ("Could not create clipper!", sceneCalls.messageBoxes[0].text);
    EXPECT_EQ("Error!", sceneCalls.messageBoxes[0].caption);
    EXPECT_EQ(std::vector<int>{0}, sceneCalls.quitCodes);
    EXPECT_TRUE(spriteCreations(ddraw.latest()).empty());
}

struct SetUpFailure {
    const char *method;
    bool fullScreen;
    const char *text;
};

class ToggleSetUpFailureTest : public SceneStartBed,
                               public ::testing::WithParamInterface<SetUpFailure> {};

TEST_P(ToggleSetUpFailureTest, SkipsTheSpriteReload) {
    const SetUpFailure &c = GetParam();
    startWorkingScene();
    if (!c.fullScreen) {
        toggleDisplayMode();
    }
    ddraw.failCall(c.method, 0, DDERR_GENERIC);
    int imagesDrawn = ddraw.log.count("StretchDIBits");

    toggleDisplayMode();

    ASSERT_EQ(1u, sceneCalls.messageBoxes.size());
    EXPECT_EQ(c.text, sceneCalls.messageBoxes[0].text);
    EXPECT_EQ(std::vector<int>{0}, sceneCalls.quitCodes);
    EXPECT_TRUE(spriteCreations(ddraw.latest()).empty());
    EXPECT_EQ(imagesDrawn, ddraw.log.count("StretchDIBits"));
    for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        EXPECT_EQ(nullptr, sprite->surface) << "nothing points at the released display";
    }
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

INSTANTIATE_TEST_SUITE_P(
    SetUps, ToggleSetUpFailureTest,
    ::testing::Values(
        SetUpFailure{"SetDisplayMode", true, "Display adaptor does not support this video mode!"},
        SetUpFailure{"GetAttachedSurface", true,
                     "Could not create back buffer surface! (Offscreen)"},
        SetUpFailure{"SetCooperativeLevel", false, "Could not set cooperative mode! (DDRAW)"},
        SetUpFailure{"CreateClipper", false, "Could not create clipper!"}),
    [](const ::testing::TestParamInfo<SetUpFailure> &info) { return info.param.method; });

TEST_F(ToggleDisplayModeTest, ReloadsEverySpriteOntoTheNewDisplay) {
    startWorkingScene();
    int imagesDrawn = ddraw.log.count("StretchDIBits");
    toggleDisplayMode();

    DDrawCalls creations = spriteCreations(ddraw.latest());
    ASSERT_EQ(3u, creations.size());
    const Surface *sprites[] = {ballSprite, starSprite, logoSprite};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(::testing::Message() << "sprite " << i);
        EXPECT_EQ(static_cast<DWORD>(sprites[i]->width), creations[i].width);
        EXPECT_EQ(static_cast<DWORD>(sprites[i]->height), creations[i].height);
        FakeDirectDrawSurface *surface = ddraw.latest()->find(sprites[i]->surface);
        ASSERT_NE(nullptr, surface) << "made by the new DirectDraw object";
        EXPECT_TRUE(surface->hasSourceColorKey);
        EXPECT_EQ(0u, surface->sourceColorKey.dwColorSpaceLowValue);
        EXPECT_EQ(0, sprites[i]->clipRect.left);
        EXPECT_EQ(0, sprites[i]->clipRect.top);
        EXPECT_EQ(640, sprites[i]->clipRect.right);
        EXPECT_EQ(480, sprites[i]->clipRect.bottom);
    }
    EXPECT_EQ(imagesDrawn + 3, ddraw.log.count("StretchDIBits"));
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

// Position in the log of the first call of method on object; -1 when there is none.
int firstCallAt(const DDrawCallLog &log, const std::string &method, const void *object) {
    for (size_t i = 0; i < log.calls.size(); ++i) {
        if (log.calls[i].method == method && log.calls[i].object == object) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST_F(ToggleDisplayModeTest, GivesBackTheOldSpriteSurfacesBeforeTheirDirectDrawObject) {
    startWorkingScene();
    const FakeDirectDraw *oldObject = ddraw.latest();
    std::vector<FakeDirectDrawSurface *> oldSurfaces;
    for (const Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        oldSurfaces.push_back(ddraw.find(sprite->surface));
        ASSERT_NE(nullptr, oldSurfaces.back());
    }
    toggleDisplayMode();

    int objectReleased = firstCallAt(ddraw.log, "Release", &oldObject->second);
    ASSERT_GE(objectReleased, 0);
    for (const FakeDirectDrawSurface *surface : oldSurfaces) {
        SCOPED_TRACE(surface->name);
        EXPECT_EQ(0, surface->refCount);
        int surfaceReleased = firstCallAt(ddraw.log, "Release", surface);
        EXPECT_GE(surfaceReleased, 0);
        EXPECT_LT(surfaceReleased, objectReleased);
    }
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

TEST_F(ToggleDisplayModeTest, LeavesBallsLogoStarsAndCounterAsTheyWere) {
    startWorkingScene();
    const int32_t x[BALL_COUNT] = {10, 20, 30};
    const int32_t y[BALL_COUNT] = {40, 50, 60};
    const int32_t dx[BALL_COUNT] = {2, -2, 2};
    const int32_t dy[BALL_COUNT] = {-2, 2, 2};
    std::copy(x, x + BALL_COUNT, ballX);
    std::copy(y, y + BALL_COUNT, ballY);
    std::copy(dx, dx + BALL_COUNT, ballDX);
    std::copy(dy, dy + BALL_COUNT, ballDY);
    logoX = -17;
    stars[5] = {123, 456};
    frameCounter = {61, 1234, 1200, 98765};
    Star starsBefore[STAR_COUNT];
    std::copy(stars, stars + STAR_COUNT, starsBefore);

    toggleDisplayMode();
    toggleDisplayMode();

    for (int i = 0; i < BALL_COUNT; ++i) {
        EXPECT_EQ(x[i], ballX[i]);
        EXPECT_EQ(y[i], ballY[i]);
        EXPECT_EQ(dx[i], ballDX[i]);
        EXPECT_EQ(dy[i], ballDY[i]);
    }
    EXPECT_EQ(-17, logoX);
    for (int i = 0; i < STAR_COUNT; ++i) {
        EXPECT_EQ(starsBefore[i].x, stars[i].x) << "star " << i + 1;
        EXPECT_EQ(starsBefore[i].y, stars[i].y) << "star " << i + 1;
    }
    EXPECT_EQ(61u, frameCounter.rate);
    EXPECT_EQ(1234u, frameCounter.frameCount);
    EXPECT_EQ(1200u, frameCounter.framesAtLastUpdate);
    EXPECT_EQ(98765u, frameCounter.lastUpdateTime);
}

TEST_F(ToggleDisplayModeTest, FrameAfterAToggleGoesOnInTheNewDisplay) {
    startWorkingScene();
    renderFrame();
    renderFrame();
    renderFrame();
    toggleDisplayMode(); // full screen
    ddraw.log.clear();

    renderFrame();

    IDirectDrawSurface *back = currentDisplay->backBuffer->surface;
    DDrawCalls blits = ddraw.bltFastOnto(back);
    ASSERT_EQ(64u, blits.size());
    EXPECT_EQ(ballSprite->surface, blits[60].source);
    EXPECT_EQ(6, blits[60].position.x) << "ball 0 drawn at (0,0), (2,2), (4,4), then (6,6)";
    EXPECT_EQ(6, blits[60].position.y);
    EXPECT_EQ(logoSprite->surface, blits[63].source);
    EXPECT_EQ(637, blits[63].position.x);
    EXPECT_EQ(1, ddraw.log.count("Flip", currentDisplay->primary->surface));
    EXPECT_EQ(4u, frameCounter.frameCount);
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

} // namespace
