// FrameCounter::draw: "Frame Rate = %02d" written in one TextOutA through the target's device
// context, which is taken before and given back after, even when it could not be had.
#include <cstring>

#include <gtest/gtest.h>

#include "doubles/DDrawCallLog.h"
#include "doubles/FakeDirectDrawSurface.h"
#include "doubles/FakeGdi.h"
#include "display/Display.h"
#include "display/Surface.h"
#include "scene/FrameCounter.h"

namespace {

class FrameCounterDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ScreenWidth = 640;
        ScreenHeight = 480;
        target.surface = &backSurface;
    }

    DDrawCallLog log;
    FakeGdi gdi{log};
    FakeDirectDrawSurface backSurface{log, "back", DDSCAPS_OFFSCREENPLAIN, 640, 480};
    Surface target;
};

struct RateText {
    uint32_t rate;
    const char *text;
};

TEST_F(FrameCounterDrawTest, WritesTheRateWithAtLeastTwoDigits) {
    const RateText cases[] = {
        {0, "Frame Rate = 00"}, // also what a counter that never ticked shows
        {5, "Frame Rate = 05"},
        {60, "Frame Rate = 60"},
        {120, "Frame Rate = 120"},
    };
    for (const RateText &c : cases) {
        SCOPED_TRACE(::testing::Message() << "rate " << c.rate);
        log.clear();
        FrameCounter counter = {};
        counter.rate = c.rate;
        counter.draw(0, 0, 0xFFFFFF, &target);
        DDrawCalls texts = log.callsOf("TextOutA");
        ASSERT_EQ(1u, texts.size());
        EXPECT_EQ(c.text, texts[0].text);
        EXPECT_EQ(static_cast<int>(std::strlen(c.text)), texts[0].textLength)
            << "length without NUL";
    }
}

TEST_F(FrameCounterDrawTest, DrawsTransparentTextInTheColourAtThePositionOnTheHeldDC) {
    FrameCounter counter = {};
    counter.rate = 60;
    counter.draw(7, 9, 0x00FF8040, &target);

    EXPECT_EQ(
        (std::vector<std::string>{"GetDC", "SetBkMode", "SetTextColor", "TextOutA", "ReleaseDC"}),
        log.methods());
    DDrawCalls texts = log.callsOf("TextOutA");
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(backSurface.dc, texts[0].dc);
    EXPECT_EQ(7, texts[0].position.x);
    EXPECT_EQ(9, texts[0].position.y);
    EXPECT_EQ(TRANSPARENT, log.callsOf("SetBkMode").at(0).backgroundMode);
    EXPECT_EQ(0x00FF8040u, log.callsOf("SetTextColor").at(0).textColour);
    EXPECT_FALSE(backSurface.dcHeld) << "the device context is given back";
}

TEST_F(FrameCounterDrawTest, ChangesNothingInTheCounter) {
    FrameCounter counter = {};
    counter.rate = 42;
    counter.frameCount = 1234;
    counter.framesAtLastUpdate = 1200;
    counter.lastUpdateTime = 99999;
    counter.draw(0, 0, 0xFFFFFF, &target);
    EXPECT_EQ(42u, counter.rate);
    EXPECT_EQ(1234u, counter.frameCount);
    EXPECT_EQ(1200u, counter.framesAtLastUpdate);
    EXPECT_EQ(99999u, counter.lastUpdateTime);
}

TEST_F(FrameCounterDrawTest, FailedGetDCLeavesNoDeviceContextHeld) {
    log.failCall("GetDC", 1, DDERR_SURFACELOST, &backSurface);
    FrameCounter counter = {};
    counter.draw(0, 0, 0xFFFFFF, &target);
    std::vector<std::string> onSurface = log.methods(&backSurface);
    ASSERT_FALSE(onSurface.empty());
    EXPECT_EQ("GetDC", onSurface.front());
    EXPECT_FALSE(backSurface.dcHeld);

    // The next frame's text is drawn as usual once the surface is back.
    log.clear();
    counter.draw(0, 0, 0xFFFFFF, &target);
    EXPECT_EQ(1, log.count("TextOutA"));
    EXPECT_FALSE(backSurface.dcHeld);
}

} // namespace
