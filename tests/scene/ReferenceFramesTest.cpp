// The scene as a fresh start draws it through the real DirectDraw, surfaces and loader (windowed,
// 640 x 480, the demo's own data file), frame by frame, each frame of the table compared pixel
// for pixel with its reference picture. The frame counter's clock is fixed, so the read-out is
// part of the picture too. Each desktop depth has its own references; scripts/make-reference-frames
// makes them. A frame that differs is written beside the build with its reference and a picture
// of the differences.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "SceneStateReset.h"
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "music/MidiPlayer.h"
#include "doubles/PlatformOverride.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"
#include "support/RgbImage.h"
#include "support/wineUnixPath.h"

namespace {

struct ReferenceFrame {
    int number; // counted from 1, the first frame of a fresh start
    const char *name;
};

// Each rule of the scene, in the frame that shows it (a 32 x 32 ball, a 300 x 100 logo).
const ReferenceFrame FRAMES[] = {
    // The balls at their start, every star 3 pixels below its seeded place, the logo just beyond
    // the right edge, the read-out at 00.
    {1, "first"},
    // The fourteenth star from the bottom row (y 479) to the top (y 0).
    {2, "star-wraps"},
    {50, "ball-turns-at-left"},    // ball 2 at x 0; the logo entering at x 591
    {150, "ball-turns-at-top"},    // ball 1 at y 0
    {225, "ball-turns-at-bottom"}, // ball 0 at y 448
    {305, "ball-turns-at-right"},  // ball 0 at x 608; the read-out at 59 or 60 since frame 62
    {900, "logo-leaves-at-left"},  // the logo at x -259: its last 41 columns
    {990, "logo-wraps"},           // the logo entering again, at x 592, after 941 frames a pass
};

// The frame counter's clock: a fixed step a frame, far from the clock's start, so the rate reads
// 00 for the first second and then 59 or 60 (the steps are 16 and 17 ms), whatever the
// machine's pace.
constexpr DWORD CLOCK_START_MS = 100000;
constexpr DWORD FRAMES_PER_SECOND = 60;
DWORD clockReadings = 0;
DWORD WINAPI fixedPaceClock() {
    ++clockReadings;
    return CLOCK_START_MS + clockReadings * 1000 / FRAMES_PER_SECOND;
}

// What the picture of the differences shows where frame and reference agree: the reference,
// dimmed; and where they differ.
constexpr uint32_t DIM_MASK = 0x3F3F3F;
constexpr uint32_t DIFFERENT = 0xFF00FF;

// NOTE: Wine's 2D path names its display adapter so; its OpenGL path names a card it guesses from
// OpenGL's renderer. Where it cannot load OpenGL, Wine draws on the 2D path unasked.
constexpr const char *WINE_2D_PATH_ADAPTER = "WineD3D DirectDraw Emulation";

// The display adapter's description as DirectDraw gives it.
std::string adapterDescription() {
    IDirectDraw4 *directDraw4 = nullptr;
    if (directDraw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void **>(&directDraw4)) !=
        DD_OK) {
        return "";
    }
    DDDEVICEIDENTIFIER identifier = {};
    HRESULT identified = directDraw4->GetDeviceIdentifier(&identifier, 0);
    directDraw4->Release();
    return identified == DD_OK ? identifier.szDescription : "";
}

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

// The channel of pixel that mask selects, widened to 8 bits by repeating its bits, so a 5- or
// 6-bit channel's full value becomes 255 as it does on a 32-bit desktop.
uint32_t channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (!(mask >> shift & 1u)) {
        ++shift;
    }
    int bits = 0;
    while (shift + bits < 32 && (mask >> (shift + bits) & 1u)) {
        ++bits;
    }
    uint32_t value = (pixel & mask) >> shift;
    uint32_t wide = 0;
    int wideBits = 0;
    for (; wideBits < 8; wideBits += bits) {
        wide = wide << bits | value;
    }
    return wide >> (wideBits - 8) & 0xFFu;
}

// The back buffer read through Lock, as 0x00RRGGBB whatever its depth.
RgbImage backBufferPicture() {
    RgbImage picture;
    IDirectDrawSurface *back = currentDisplay->backBuffer->surface;
    DDSURFACEDESC desc = surfaceDescription(0, 0);
    HRESULT locked = back->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_READONLY, nullptr);
    EXPECT_EQ(DD_OK, locked) << "Lock of the back buffer: 0x" << std::hex << locked;
    if (locked != DD_OK) {
        return picture;
    }
    const DDPIXELFORMAT &format = desc.ddpfPixelFormat;
    int bytesPerPixel = int(format.dwRGBBitCount / 8);
    picture.width = int32_t(desc.dwWidth);
    picture.height = int32_t(desc.dwHeight);
    const uint8_t *row = static_cast<const uint8_t *>(desc.lpSurface);
    for (int32_t y = 0; y < picture.height; ++y, row += desc.lPitch) {
        for (int32_t x = 0; x < picture.width; ++x) {
            uint32_t pixel = 0;
            for (int i = 0; i < bytesPerPixel; ++i) {
                pixel |= uint32_t(row[x * bytesPerPixel + i]) << (8 * i);
            }
            picture.pixels.push_back(channel(pixel, format.dwRBitMask) << 16 |
                                     channel(pixel, format.dwGBitMask) << 8 |
                                     channel(pixel, format.dwBBitMask));
        }
    }
    back->Unlock(nullptr);
    return picture;
}

// How a frame differs from its reference: how many pixels, and the box around them.
struct Difference {
    int pixels = 0;
    RECT box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    RgbImage picture;
};

Difference compare(const RgbImage &frame, const RgbImage &reference) {
    Difference difference;
    difference.picture = reference;
    for (int32_t y = 0; y < reference.height; ++y) {
        for (int32_t x = 0; x < reference.width; ++x) {
            uint32_t &shown = difference.picture.pixels[size_t(y) * size_t(reference.width) + x];
            if (frame.at(x, y) == reference.at(x, y)) {
                shown = shown >> 2 & DIM_MASK;
                continue;
            }
            shown = DIFFERENT;
            ++difference.pixels;
            difference.box = {std::min(difference.box.left, LONG(x)),
                              std::min(difference.box.top, LONG(y)),
                              std::max(difference.box.right, LONG(x + 1)),
                              std::max(difference.box.bottom, LONG(y + 1))};
        }
    }
    return difference;
}

// The scene freshly started on a real window, its tune left out, its clock fixed.
class ReferenceFrames : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSceneState();
        clockReadings = 0;
        clock.set(&PlatformCalls::timeGetTime, fixedPaceClock);
        framePacingEnabled = false;
        sceneHost.playsTune = false;
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = plainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Zorv2ReferenceFrames";
        RegisterClassA(&windowClass);
        mainWindow = CreateWindowExA(0, windowClass.lpszClassName, "reference frames",
                                     WS_POPUP | WS_VISIBLE, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT,
                                     nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(nullptr, mainWindow);
        // The demo's own data file, from the folder it is started in.
        char testFolder[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, testFolder);
        std::string demoFolder = wineUnixPath(environment("ZORV2_DEMO_DIR"));
        ASSERT_TRUE(SetCurrentDirectoryA(demoFolder.c_str())) << demoFolder;
        bool started = startScene();
        SetCurrentDirectoryA(testFolder);
        ASSERT_TRUE(started);
        ASSERT_TRUE(currentDisplay->backBuffer) << "the windowed set-up failed";
        // Xvfb's 24 bits a pixel are a 32-bit desktop to Wine (cmake/wine-run).
        int32_t depth = environment("ZORV2_WINE_DEPTH") == "16" ? 16 : 32;
        ASSERT_EQ(depth, ScreenBitsPerPixel) << "the desktop's bits a pixel";
        depthFolder = std::to_string(depth) + "bpp";
        // Wine's path, as cmake/wine-run chose it: no3d (2D) or default (OpenGL).
        std::string renderer = environment("ZORV2_WINE_RENDERER");
        if (!renderer.empty()) {
            std::string adapter = adapterDescription();
            ASSERT_EQ(renderer == "no3d", adapter == WINE_2D_PATH_ADAPTER)
                << "asked for ZORV2_WINE_RENDERER=" << renderer << ", drawn by the adapter \""
                << adapter << "\"";
        }
    }

    void TearDown() override {
        for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
            if (sprite) {
                sprite->releaseSurface();
                sprite->loadBitmap(nullptr);
                delete sprite;
            }
        }
        if (currentDisplay) {
            currentDisplay->release();
        }
        delete currentDisplay;
        if (dataFile) {
            dataFile->close();
        }
        delete dataFile;
        delete midiPlayer;
        if (mainWindow) {
            DestroyWindow(mainWindow);
        }
        resetSceneState();
        mainWindow = nullptr;
        framePacingEnabled = true;
    }

    // Compares the back buffer with frame's reference; where they differ, writes the frame, the
    // reference and the picture of the differences into the build's folder for drawn frames.
    void expectReference(const ReferenceFrame &frame) {
        std::string name = depthFolder + "/" + frame.name + ".bmp";
        std::string referencePath = environment("ZORV2_REFERENCE_FRAMES") + "/" + name;
        std::string drawnFolder = environment("ZORV2_DRAWN_FRAMES");
        std::string drawnPath = drawnFolder + "/" + name;
        RgbImage drawn = backBufferPicture();
        RgbImage reference;
        bool haveReference = readRgbBmp(wineUnixPath(referencePath), reference);
        if (haveReference && drawn.width == reference.width && drawn.height == reference.height &&
            drawn.pixels == reference.pixels) {
            return;
        }
        CreateDirectoryA(wineUnixPath(drawnFolder).c_str(), nullptr);
        CreateDirectoryA(wineUnixPath(drawnFolder + "/" + depthFolder).c_str(), nullptr);
        EXPECT_TRUE(writeRgbBmp(wineUnixPath(drawnPath), drawn)) << drawnPath;
        std::string stem = drawnPath.substr(0, drawnPath.size() - 4);
        if (!haveReference || drawn.width != reference.width || drawn.height != reference.height) {
            ADD_FAILURE() << "frame " << frame.number << " (" << frame.name << "): no "
                          << drawn.width << " x " << drawn.height << " 24-bit reference at "
                          << referencePath << "; the frame is in " << drawnPath;
            return;
        }
        Difference difference = compare(drawn, reference);
        EXPECT_TRUE(writeRgbBmp(wineUnixPath(stem + "-reference.bmp"), reference));
        EXPECT_TRUE(writeRgbBmp(wineUnixPath(stem + "-difference.bmp"), difference.picture));
        const RECT &box = difference.box;
        ADD_FAILURE() << "frame " << frame.number << " (" << frame.name << ", " << depthFolder
                      << "): " << difference.pixels << " pixels differ from the reference, within ("
                      << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom
                      << "); the frame, its reference and the differences (magenta) are "
                      << drawnPath << ", " << stem << "-reference.bmp and " << stem
                      << "-difference.bmp";
    }

    PlatformOverride clock;
    std::string depthFolder;
};

TEST_F(ReferenceFrames, EveryFrameOfTheTableIsItsReference) {
    int drawn = 0;
    for (const ReferenceFrame &frame : FRAMES) {
        for (; drawn < frame.number; ++drawn) {
            renderFrame();
        }
        expectReference(frame);
    }
}

} // namespace
