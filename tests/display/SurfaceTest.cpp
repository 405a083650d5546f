// Surface operations on fake DirectDraw surfaces: creation and its capability table, colour key,
// fill, drawing the image, restoring it, text through the device context, and what each does
// without a surface, a DirectDraw object or an image.
#include <cstring>

#include "DisplayTestBed.h"
#include "support/BmpImage.h"

namespace {

using Sequence = std::vector<std::string>;

class SurfaceOps : public DisplayTestBed {
  protected:
    SurfaceOps() {
        ScreenWidth = 640;
        ScreenHeight = 480;
    }
    ~SurfaceOps() override {
        for (FILE *stream : streams)
            std::fclose(stream);
    }

    // Loads a width x height test image into sprite.
    void load(Surface &sprite, int32_t width, int32_t height) {
        BmpShape shape;
        shape.width = width;
        shape.height = height;
        FILE *stream = streamHolding(buildBmp(shape));
        ASSERT_NE(nullptr, stream);
        streams.push_back(stream);
        ASSERT_EQ(RC_SUCCESS, sprite.loadBitmap(stream));
    }

    // A loaded, created sprite on a fake DirectDraw object, with the calls so far forgotten. Called
    // through ASSERT_NO_FATAL_FAILURE, so a failure here ends the test instead of leaving it a
    // null surface.
    void makeSprite(Surface &sprite, int32_t width = 32, int32_t height = 16) {
        if (!directDraw)
            fake.installAsDirectDraw();
        ASSERT_NO_FATAL_FAILURE(load(sprite, width, height));
        ASSERT_EQ(RC_SUCCESS, sprite.create(MEMORY_SYSTEM));
        fake.log.clear();
    }

    std::vector<FILE *> streams;
};

TEST_F(SurfaceOps, ConstructorTakesTheScreenAsClipRectangle) {
    ScreenWidth = 320;
    ScreenHeight = 200;
    Surface sprite;
    EXPECT_EQ(0, sprite.x);
    EXPECT_EQ(0, sprite.y);
    EXPECT_EQ(0, sprite.width);
    EXPECT_EQ(0, sprite.height);
    EXPECT_EQ(nullptr, sprite.imageInfo);
    EXPECT_EQ(nullptr, sprite.imageBits);
    EXPECT_EQ(nullptr, sprite.surface);
    EXPECT_EQ(0, sprite.clipRect.left);
    EXPECT_EQ(0, sprite.clipRect.top);
    EXPECT_EQ(320, sprite.clipRect.right);
    EXPECT_EQ(200, sprite.clipRect.bottom);
}

TEST_F(SurfaceOps, CreateAsksForTheMemoryKindsCapabilities) {
    struct Case {
        uint32_t kind;
        DWORD caps;
    };
    const Case cases[] = {
        {MEMORY_SYSTEM, 0x840}, {MEMORY_VIDEO, 0x4040}, {MEMORY_ANY, 0x40}, {259, 0}};
    fake.installAsDirectDraw();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        fake.log.clear();
        Surface sprite;
        sprite.width = 32;
        sprite.height = 16;
        ASSERT_EQ(RC_SUCCESS, sprite.create(c.kind));
        ASSERT_EQ(
            (Sequence{"ddraw2.CreateSurface",
                      "surface" + std::to_string(fake.latest()->surfaces.size()) + ".Restore"}),
            callSequence(fake.log));
        const DDrawCall &create = fake.log.calls[0];
        EXPECT_EQ(DWORD(sizeof(DDSURFACEDESC)), create.structSize);
        EXPECT_EQ(7u, create.flags);
        EXPECT_EQ(c.caps, create.caps);
        EXPECT_EQ(32u, create.width);
        EXPECT_EQ(16u, create.height);
        EXPECT_EQ(c.caps, sprite.surfaceDesc.ddsCaps.dwCaps);
    }
}

TEST_F(SurfaceOps, CreateTakesSourceAndClipRectanglesAndResetsThePosition) {
    Surface sprite; // constructed while the screen was 640 x 480
    ScreenWidth = 800;
    ScreenHeight = 600;
    sprite.width = 32;
    sprite.height = 16;
    sprite.x = 5;
    sprite.y = 6;
    fake.installAsDirectDraw();
    ASSERT_EQ(RC_SUCCESS, sprite.create(MEMORY_SYSTEM));
    EXPECT_EQ(32, sprite.sourceRect.right);
    EXPECT_EQ(16, sprite.sourceRect.bottom);
    EXPECT_EQ(0, sprite.sourceRect.left);
    EXPECT_EQ(0, sprite.sourceRect.top);
    EXPECT_EQ(800, sprite.clipRect.right);
    EXPECT_EQ(600, sprite.clipRect.bottom);
    EXPECT_EQ(0, sprite.x);
    EXPECT_EQ(0, sprite.y);
    EXPECT_EQ(fake.latest()->surfaces.back().get(), sprite.surface);
}

TEST_F(SurfaceOps, FailedCreateKeepsTheRectanglesAndHoldsNoSurface) {
    fake.installAsDirectDraw();
    fake.failCall("CreateSurface", 1, DDERR_OUTOFMEMORY);
    Surface sprite;
    sprite.width = 32;
    sprite.height = 16;
    sprite.x = 7;
    sprite.sourceRect = {1, 2, 3, 4};
    sprite.clipRect = {5, 6, 7, 8};
    EXPECT_EQ(RC_SURFACE_CREATE_FAILED, sprite.create(MEMORY_SYSTEM));
    EXPECT_EQ(nullptr, sprite.surface);
    EXPECT_EQ(7, sprite.x);
    EXPECT_EQ(3, sprite.sourceRect.right);
    EXPECT_EQ(7, sprite.clipRect.right);
    EXPECT_EQ(0, fake.log.count("Restore"));
}

TEST_F(SurfaceOps, CreateOfANeverLoadedSurfaceAsksForZeroByZero) {
    fake.installAsDirectDraw();
    Surface sprite;
    EXPECT_EQ(RC_SURFACE_CREATE_FAILED, sprite.create(MEMORY_SYSTEM));
    const DDrawCall create = fake.log.callsOf("CreateSurface")[0];
    EXPECT_EQ(0u, create.width);
    EXPECT_EQ(0u, create.height);
}

TEST_F(SurfaceOps, CreateWithoutDirectDrawFailsWithoutACall) {
    Surface sprite;
    sprite.width = 32;
    sprite.height = 16;
    EXPECT_EQ(RC_SURFACE_CREATE_FAILED, sprite.create(MEMORY_SYSTEM));
    EXPECT_TRUE(fake.log.calls.empty());
    EXPECT_EQ(nullptr, sprite.surface);
}

// A top-down BMP loads with a negative height, a hostile one with any width: no surface can
// have a negative side, and sides past 16384 overflow DirectDraw's 32-bit sizes.
TEST_F(SurfaceOps, CreateRefusesNegativeAndHugeSidesWithoutACall) {
    fake.installAsDirectDraw();
    const int32_t sizes[][2] = {{32, -16},   {-32, 16},        {INT32_MIN, INT32_MIN}, {16385, 16},
                                {16, 16385}, {0x4AEC3D52, 32}, {310, 0x2B0446E1}};
    for (const auto &size : sizes) {
        Surface sprite;
        sprite.width = size[0];
        sprite.height = size[1];
        ResultCode rc = sprite.create(MEMORY_SYSTEM);
        EXPECT_EQ(RC_SURFACE_CREATE_FAILED, rc)
            << size[0] << " x " << size[1] << std::hex << ": 0x" << rc;
        EXPECT_EQ(nullptr, sprite.surface);
    }
    EXPECT_EQ(0, fake.log.count("CreateSurface"));
    Surface largest;
    largest.width = 16384;
    largest.height = 16384;
    largest.create(MEMORY_SYSTEM);
    EXPECT_EQ(1, fake.log.count("CreateSurface")) << "16384 x 16384 is still asked for";
}

TEST_F(SurfaceOps, ColorKeyIsASourceBlitKeyOfOneValue) {
    Surface sprite;
    ASSERT_NO_FATAL_FAILURE(makeSprite(sprite));
    EXPECT_EQ(DD_OK, sprite.setColorKey(0x00ABCDEF));
    const DDrawCall key = fake.log.callsOf("SetColorKey")[0];
    EXPECT_EQ(DWORD(DDCKEY_SRCBLT), key.flags);
    EXPECT_EQ(0x00ABCDEFu, key.colourKeyLow);
    EXPECT_EQ(0x00ABCDEFu, key.colourKeyHigh);
    fake.failCall("SetColorKey", 1, DDERR_INVALIDPARAMS);
    EXPECT_EQ(DDERR_INVALIDPARAMS, sprite.setColorKey(0)) << hex(sprite.setColorKey(0));
}

TEST_F(SurfaceOps, FillBlitsTheColourOntoTheWholeSurface) {
    Surface sprite;
    ASSERT_NO_FATAL_FAILURE(makeSprite(sprite));
    EXPECT_EQ(DD_OK, sprite.fill(0x00123456));
    const DDrawCall blt = fake.log.callsOf("Blt")[0];
    EXPECT_FALSE(blt.hasRect);
    EXPECT_FALSE(blt.hasSourceRect);
    EXPECT_EQ(nullptr, blt.source);
    EXPECT_EQ(0x1000400u, blt.flags);
    EXPECT_EQ(DWORD(sizeof(DDBLTFX)), blt.structSize);
    EXPECT_EQ(0x00123456u, blt.fillColour);
    fake.failCall("Blt", 1, DDERR_SURFACELOST);
    HRESULT lost = sprite.fill(0);
    EXPECT_EQ(DDERR_SURFACELOST, lost) << hex(lost);
}

TEST_F(SurfaceOps, DrawImageCopiesTheWholeImageThroughGdi) {
    Surface sprite;
    ASSERT_NO_FATAL_FAILURE(makeSprite(sprite, 5, 3));
    FakeDirectDrawSurface &target = *fake.find(sprite.surface);
    sprite.drawImage(2, 4);
    EXPECT_EQ((Sequence{"surface1.Restore", "surface1.GetDC", "platform.StretchDIBits",
                        "surface1.ReleaseDC"}),
              callSequence(fake.log));
    const DDrawCall stretch = fake.log.callsOf("StretchDIBits")[0];
    EXPECT_EQ(target.dc, stretch.dc);
    EXPECT_EQ(2, stretch.position.x);
    EXPECT_EQ(4, stretch.position.y);
    EXPECT_EQ(5u, stretch.width);
    EXPECT_EQ(3u, stretch.height);
    EXPECT_EQ(0, stretch.sourceOrigin.x);
    EXPECT_EQ(0, stretch.sourceOrigin.y);
    EXPECT_EQ(5, stretch.sourceSize.cx);
    EXPECT_EQ(3, stretch.sourceSize.cy);
    EXPECT_EQ(sprite.imageBits, stretch.bits);
    EXPECT_EQ(sprite.imageInfo, stretch.bitmapInfo);
    EXPECT_EQ(UINT(DIB_RGB_COLORS), stretch.colourUsage);
    EXPECT_EQ(DWORD(SRCCOPY), stretch.rasterOperation);
    EXPECT_EQ(target.dc, fake.log.callsOf("ReleaseDC")[0].dc);
    EXPECT_EQ(nullptr, sprite.dc) << "drawImage leaves the dc field alone";
}

TEST_F(SurfaceOps, DrawImageGivesUpWithoutADeviceContext) {
    Surface sprite;
    ASSERT_NO_FATAL_FAILURE(makeSprite(sprite));
    fake.failCall("GetDC", 1, DDERR_GENERIC);
    sprite.drawImage(0, 0);
    EXPECT_EQ((Sequence{"surface1.Restore", "surface1.GetDC"}), callSequence(fake.log));
}

TEST_F(SurfaceOps, DrawImageWithoutAnImageOrSurfaceDoesNothing) {
    fake.installAsDirectDraw();
    Surface neverLoaded;
    neverLoaded.width = 8;
    neverLoaded.height = 8;
    ASSERT_EQ(RC_SUCCESS, neverLoaded.create(MEMORY_SYSTEM));
    Surface failedLoad; // a load that failed at the pixels leaves both blocks
    BmpShape shape;
    std::vector<uint8_t> bytes = buildBmp(shape);
    bytes.pop_back();
    FILE *stream = streamHolding(bytes);
    streams.push_back(stream);
    ASSERT_EQ(RC_BAD_IMAGE_DATA, failedLoad.loadBitmap(stream));
    Surface noSurface;
    ASSERT_NO_FATAL_FAILURE(load(noSurface, 4, 2));
    fake.log.clear();

    neverLoaded.drawImage(0, 0);
    failedLoad.drawImage(0, 0);
    noSurface.drawImage(0, 0);
    EXPECT_TRUE(fake.log.calls.empty());
}

TEST_F(SurfaceOps, DrawImageRefusesRowsThatDoNotFitThePixelBlock) {
    Surface sprite;
    ASSERT_NO_FATAL_FAILURE(makeSprite(sprite, 4, 2));
    sprite.imageInfo->bmiHeader.biHeight = 1000; // GDI would read far past the 8-byte block
    sprite.drawImage(0, 0);
    EXPECT_EQ(0, fake.log.count("StretchDIBits"));
}

TEST_F(SurfaceOps, RestoreImageRedrawsTheImageAtTheOrigin) {
    Surface sprite;
    ASSERT_NO_FATAL_FAILURE(makeSprite(sprite, 4, 2));
    sprite.restoreImage();
    EXPECT_EQ((Sequence{"surface1.Restore", "surface1.GetDC", "platform.StretchDIBits",
                        "surface1.ReleaseDC"}),
              callSequence(fake.log));
    const DDrawCall stretch = fake.log.callsOf("StretchDIBits")[0];
    EXPECT_EQ(0, stretch.position.x);
    EXPECT_EQ(0, stretch.position.y);
}

TEST_F(SurfaceOps, RestoreImageWithoutAnImageOnlyRestores) {
    fake.installAsDirectDraw();
    Surface plain;
    plain.width = 8;
    plain.height = 8;
    ASSERT_EQ(RC_SUCCESS, plain.create(MEMORY_ANY));
    fake.log.clear();
    plain.restoreImage();
    EXPECT_EQ((Sequence{"surface1.Restore"}), callSequence(fake.log));
    Surface none;
    none.restoreImage();
    EXPECT_EQ(1u, fake.log.calls.size());
}

TEST_F(SurfaceOps, TextGoesThroughTheHeldDeviceContextWithATransparentBackground) {
    Surface back;
    ASSERT_NO_FATAL_FAILURE(makeSprite(back));
    FakeDirectDrawSurface &target = *fake.find(back.surface);
    EXPECT_EQ(DD_OK, back.getDC());
    EXPECT_EQ(target.dc, back.dc);
    back.drawText(3, 4, "Frame Rate = 60", RGB(255, 255, 255));
    EXPECT_EQ(DD_OK, back.releaseDC());

    EXPECT_EQ((Sequence{"surface1.GetDC", "platform.SetBkMode", "platform.SetTextColor",
                        "platform.TextOutA", "surface1.ReleaseDC"}),
              callSequence(fake.log));
    EXPECT_EQ(TRANSPARENT, fake.log.callsOf("SetBkMode")[0].backgroundMode);
    EXPECT_EQ(DWORD(RGB(255, 255, 255)), fake.log.callsOf("SetTextColor")[0].textColour);
    const DDrawCall text = fake.log.callsOf("TextOutA")[0];
    EXPECT_EQ(target.dc, text.dc);
    EXPECT_EQ(3, text.position.x);
    EXPECT_EQ(4, text.position.y);
    EXPECT_EQ("Frame Rate = 60", text.text);
    EXPECT_EQ(15, text.textLength);
    EXPECT_EQ(target.dc, fake.log.callsOf("ReleaseDC")[0].dc);
}

TEST_F(SurfaceOps, EmptyTextIsWrittenWithLengthZero) {
    Surface back;
    ASSERT_NO_FATAL_FAILURE(makeSprite(back));
    back.getDC();
    back.drawText(0, 0, "", 0);
    back.releaseDC();
    EXPECT_EQ(0, fake.log.callsOf("TextOutA")[0].textLength);
}

TEST_F(SurfaceOps, OperationsWithoutASurfaceOrDeviceContextDoNothing) {
    Surface empty;
    EXPECT_EQ(DDERR_INVALIDOBJECT, empty.setColorKey(0));
    EXPECT_EQ(DDERR_INVALIDOBJECT, empty.fill(0));
    EXPECT_EQ(DDERR_INVALIDOBJECT, empty.getDC());
    empty.drawText(0, 0, "x", 0);
    EXPECT_EQ(DDERR_INVALIDOBJECT, empty.releaseDC());
    Surface noDC;
    ASSERT_NO_FATAL_FAILURE(makeSprite(noDC));
    noDC.drawText(0, 0, "x", 0);
    EXPECT_EQ(DDERR_INVALIDOBJECT, noDC.releaseDC());
    EXPECT_TRUE(fake.log.calls.empty());
}

TEST_F(SurfaceOps, FailedGetDCLeavesNoDeviceContextToDrawOn) {
    Surface back;
    ASSERT_NO_FATAL_FAILURE(makeSprite(back));
    fake.failCall("GetDC", 1, DDERR_SURFACELOST);
    HRESULT result = back.getDC();
    EXPECT_EQ(DDERR_SURFACELOST, result) << hex(result);
    back.drawText(0, 0, "x", 0);
    EXPECT_EQ(0, fake.log.count("TextOutA"));
}

TEST_F(SurfaceOps, TextAfterReleaseDCIsNotDrawn) {
    Surface back;
    ASSERT_NO_FATAL_FAILURE(makeSprite(back));
    back.getDC();
    back.releaseDC();
    back.drawText(0, 0, "late", 0);
    EXPECT_EQ(0, fake.log.count("TextOutA"));
}

} // namespace
