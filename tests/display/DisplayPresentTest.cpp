// Display::present in both modes, and the recovery of lost surfaces.
#include "DisplayTestBed.h"

namespace {

using Sequence = std::vector<std::string>;

class DisplayPresent : public DisplayTestBed {
  protected:
    // Sets up a Display of the given mode and forgets the set-up's calls.
    void setUp(bool fullScreen) {
        ResultCode result = fullScreen ? display.setFullScreen(window, 640, 480, 32, 1)
                                       : display.setWindowed(window, 640, 480);
        ASSERT_EQ(RC_SUCCESS, result);
        fake.log.clear();
    }
    void TearDown() override { display.release(); }

    Display display;
};

TEST_F(DisplayPresent, FullScreenWaitsThenFlips) {
    setUp(true);
    display.present(1);
    EXPECT_EQ((Sequence{"ddraw2.WaitForVerticalBlank", "primary.Flip"}), callSequence(fake.log));
    EXPECT_EQ(DWORD(DDWAITVB_BLOCKBEGIN), fake.log.calls[0].flags);
    const DDrawCall &flip = fake.log.calls[1];
    EXPECT_EQ(nullptr, flip.flipTarget) << "no target override";
    EXPECT_EQ(DWORD(DDFLIP_WAIT), flip.flags);
}

TEST_F(DisplayPresent, NoWaitWhenNotAsked) {
    setUp(true);
    display.present(0);
    EXPECT_EQ((Sequence{"primary.Flip"}), callSequence(fake.log));
}

TEST_F(DisplayPresent, WindowedCopiesTheBackBufferToTheClientAreaOnTheScreen) {
    setUp(false);
    screen.clientRect = {0, 0, 640, 480};
    screen.clientOrigin = {120, 70};
    display.present(1);

    EXPECT_EQ((Sequence{"ddraw2.WaitForVerticalBlank", "platform.GetClientRect",
                        "platform.ClientToScreen", "platform.OffsetRect", "primary.Blt"}),
              callSequence(fake.log));
    EXPECT_EQ(window, fake.log.callsOf("GetClientRect")[0].window);
    const DDrawCall toScreen = fake.log.callsOf("ClientToScreen")[0];
    EXPECT_EQ(window, toScreen.window);
    EXPECT_EQ(0, toScreen.position.x);
    EXPECT_EQ(0, toScreen.position.y);
    const DDrawCall blt = fake.log.callsOf("Blt")[0];
    ASSERT_TRUE(blt.hasRect);
    EXPECT_EQ(120, blt.rect.left);
    EXPECT_EQ(70, blt.rect.top);
    EXPECT_EQ(760, blt.rect.right);
    EXPECT_EQ(550, blt.rect.bottom);
    EXPECT_EQ(display.backBuffer->surface, blt.source);
    EXPECT_FALSE(blt.hasSourceRect) << "the whole back buffer";
    EXPECT_EQ(0x1000000u, blt.flags);
}

TEST_F(DisplayPresent, WindowedFollowsAMovedWindow) {
    setUp(false);
    display.present(1);
    screen.clientOrigin = {300, 200};
    display.present(1);
    const DDrawCall blt = fake.log.callsOf("Blt")[1];
    EXPECT_EQ(300, blt.rect.left);
    EXPECT_EQ(200, blt.rect.top);
    EXPECT_EQ(940, blt.rect.right);
    EXPECT_EQ(680, blt.rect.bottom);
}

TEST_F(DisplayPresent, LostSurfaceIsRestoredOnlyWhenIsLostConfirms) {
    struct Case {
        bool fullScreen;
        bool reallyLost;
        Sequence expected;
    };
    const Case cases[] = {
        {true, true, {"primary.Flip", "primary.IsLost", "primary.Restore", "backbuffer.IsLost"}},
        {true, false, {"primary.Flip", "primary.IsLost", "backbuffer.IsLost"}},
        {false,
         true,
         {"platform.GetClientRect", "platform.ClientToScreen", "platform.OffsetRect", "primary.Blt",
          "primary.IsLost", "primary.Restore", "surface2.IsLost"}},
        {false,
         false,
         {"platform.GetClientRect", "platform.ClientToScreen", "platform.OffsetRect", "primary.Blt",
          "primary.IsLost", "surface2.IsLost"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.fullScreen ? "full screen" : "windowed") +
                     (c.reallyLost ? ", lost" : ", not lost"));
        FakeDDraw caseFake;
        FakeScreen caseScreen(caseFake.log);
        Display caseDisplay;
        ASSERT_EQ(RC_SUCCESS, c.fullScreen ? caseDisplay.setFullScreen(window, 640, 480, 32, 1)
                                           : caseDisplay.setWindowed(window, 640, 480));
        caseFake.log.clear();
        caseFake.failCall(c.fullScreen ? "Flip" : "Blt", 1, DDERR_SURFACELOST);
        caseFake.find(caseDisplay.primary->surface)->lost = c.reallyLost;

        caseDisplay.present(0);

        EXPECT_EQ(c.expected, callSequence(caseFake.log));
        caseDisplay.release();
    }
}

TEST_F(DisplayPresent, OtherFailuresAreIgnored) {
    setUp(true);
    fake.failCall("Flip", 0, DDERR_WASSTILLDRAWING);
    fake.failCall("WaitForVerticalBlank", 0, DDERR_GENERIC);
    display.present(1);
    display.present(1);
    EXPECT_EQ(0, fake.log.count("IsLost"));
    EXPECT_EQ(2, fake.log.count("Flip")) << "the frame is not shown a second time";
}

TEST_F(DisplayPresent, LostWindowedBackBufferIsRestoredWithThePrimary) {
    setUp(false);
    fake.find(display.backBuffer->surface)->lost = true;
    display.present(1);
    EXPECT_EQ((Sequence{"Blt", "IsLost"}), fake.log.methods(display.primary->surface));
    EXPECT_EQ((Sequence{"IsLost", "Restore"}), fake.log.methods(display.backBuffer->surface));
    EXPECT_EQ(0, display.wrongMode);
    fake.find(display.primary->surface)->lost = true;
    fake.failCall("Restore", 0, DDERR_WRONGMODE);
    display.present(1);
    EXPECT_EQ(1, display.wrongMode) << "the surfaces belong to a mode that is gone";
}

TEST_F(DisplayPresent, RestoreLostWithoutAPrimaryDoesNothing) {
    Display empty;
    empty.restoreLost();
    EXPECT_TRUE(fake.log.calls.empty());
}

TEST_F(DisplayPresent, PresentWithoutSurfacesDoesNothing) {
    struct Case {
        const char *failing;
        int occurrence;
    };
    const Case cases[] = {{"CreateSurface", 1}, {"CreateSurface", 2}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.occurrence);
        FakeDDraw caseFake;
        FakeScreen caseScreen(caseFake.log);
        caseFake.failCall(c.failing, c.occurrence, DDERR_GENERIC);
        Display caseDisplay;
        ASSERT_NE(RC_SUCCESS, caseDisplay.setWindowed(window, 640, 480));
        caseFake.log.clear();
        caseDisplay.present(1);
        EXPECT_TRUE(caseFake.log.calls.empty());
        caseDisplay.release();
    }
    Display neverSetUp;
    neverSetUp.present(1);
    EXPECT_TRUE(fake.log.calls.empty());
}

} // namespace
