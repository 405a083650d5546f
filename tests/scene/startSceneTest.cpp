// startScene: the working start-up, and each failure stopping at its own step with exactly one
// "Error!" message box.
#include <gtest/gtest.h>

#include "SceneStartBed.h"
#include "ScenePlatform.h"
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"

namespace {

class StartSceneTest : public SceneStartBed {};

void expectOneErrorBox(const char *text) {
    ASSERT_EQ(1u, sceneCalls.messageBoxes.size());
    const MessageBoxCall &box = sceneCalls.messageBoxes[0];
    EXPECT_EQ(TEST_WINDOW, box.owner);
    EXPECT_EQ(text, box.text);
    EXPECT_EQ("Error!", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
}

TEST_F(StartSceneTest, PlaysTheTuneBuildsTheWindowedDisplayAndSeedsTheStars) {
    startWorkingScene();

    EXPECT_EQ((std::vector<std::string>{
                  "close all",
                  std::string("open \"") + TUNE_COPY_PATH + "\" type sequencer alias MUSIC",
                  "play MUSIC from 0 notify",
              }),
              MciRecorder::commands());
    EXPECT_EQ(demoTune(), readFile<Bytes>(TUNE_COPY_PATH));
    EXPECT_TRUE(sceneCalls.quitCodes.empty());

    ASSERT_EQ(1u, ddraw.objects.size());
    DDrawCalls levels = ddraw.log.callsOf("SetCooperativeLevel");
    ASSERT_EQ(1u, levels.size());
    EXPECT_EQ(static_cast<DWORD>(DDSCL_NORMAL), levels[0].flags);
    EXPECT_EQ(TEST_WINDOW, levels[0].window);
    EXPECT_EQ(1, fullScreenNext);
    EXPECT_EQ(0, currentDisplay->fullScreen);

    ASSERT_EQ(1u, sceneCalls.windowPositions.size());
    const WindowPosCall &position = sceneCalls.windowPositions[0];
    EXPECT_EQ(TEST_WINDOW, position.window);
    EXPECT_EQ(HWND_TOP, position.insertAfter);
    EXPECT_EQ(192, position.x);
    EXPECT_EQ(144, position.y);
    EXPECT_EQ(640, position.width);
    EXPECT_EQ(480, position.height);
    EXPECT_EQ(0u, position.flags);

    EXPECT_EQ(41, stars[0].x);
    EXPECT_EQ(227, stars[0].y);
    EXPECT_EQ(617, stars[59].x);
    EXPECT_EQ(192, stars[59].y);
}

TEST_F(StartSceneTest, LoadsTheThreeSpritesOntoKeyedSystemMemorySurfaces) {
    startWorkingScene();

    struct ExpectedSprite {
        Surface *sprite;
        LONG width;
        LONG height;
    };
    const ExpectedSprite expected[] = {
        {ballSprite, 32, 32}, {starSprite, 8, 8}, {logoSprite, 200, 100}};
    DDrawCalls creations = spriteCreations(ddraw.latest());
    ASSERT_EQ(3u, creations.size());
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(::testing::Message() << "sprite " << i);
        const ExpectedSprite &e = expected[i];
        ASSERT_NE(nullptr, e.sprite);
        EXPECT_EQ(e.width, e.sprite->width);
        EXPECT_EQ(e.height, e.sprite->height);
        EXPECT_EQ(static_cast<DWORD>(e.width), creations[i].width);
        EXPECT_EQ(static_cast<DWORD>(e.height), creations[i].height);
        FakeDirectDrawSurface *surface = ddraw.find(e.sprite->surface);
        ASSERT_NE(nullptr, surface);
        EXPECT_TRUE(surface->hasSourceColorKey);
        EXPECT_EQ(0u, surface->sourceColorKey.dwColorSpaceLowValue);
        EXPECT_EQ(0u, surface->sourceColorKey.dwColorSpaceHighValue);
    }
    EXPECT_EQ(3, ddraw.log.count("StretchDIBits"));
    EXPECT_EQ(0, ddraw.log.callsAfterRelease());
}

TEST_F(StartSceneTest, LeavesTheAnimationAtItsStartValues) {
    startWorkingScene();
    EXPECT_EQ((std::vector<int32_t>{0, 500, 100}), std::vector<int32_t>(ballX, ballX + 3));
    EXPECT_EQ((std::vector<int32_t>{0, 300, 400}), std::vector<int32_t>(ballY, ballY + 3));
    EXPECT_EQ((std::vector<int32_t>{0, -2, -2}), std::vector<int32_t>(ballDX, ballDX + 3));
    EXPECT_EQ((std::vector<int32_t>{0, -2, -2}), std::vector<int32_t>(ballDY, ballDY + 3));
    EXPECT_EQ(640, logoX);
    EXPECT_EQ(0u, frameCounter.frameCount);
}

TEST_F(StartSceneTest, WithoutATuneEntryStartsWithAnEmptyCopy) {
    writeDataFile(makeDataFile({
        {"ball.bmp", buildBmp({32, 32})},
        {"star.bmp", buildBmp({8, 8})},
        {"logo.bmp", buildBmp({200, 100})},
    }));
    EXPECT_TRUE(startScene());
    EXPECT_TRUE(sceneCalls.messageBoxes.empty());
    EXPECT_EQ(3u, MciRecorder::calls.size());
    EXPECT_TRUE(readFile<Bytes>(TUNE_COPY_PATH).empty());
}

// The screen saver's hosting: a tune that cannot be copied or played is not worth a box.
TEST_F(StartSceneTest, TheScreenSaversHostingRunsOnSilentlyWhenTheTuneFails) {
    writeDataFile(makeDemoDataFile(32, 8, 200, 100));
    sceneHost.tuneIsOptional = true;
    sceneHost.pictureArea = {1, 2, 3, 4};
    for (int failingCall : {1, 2, -1}) { // the open; the play; the copy
        MciRecorder::failingCall = failingCall;
        FakeTempPath::directory = failingCall < 0 ? ".\\no-such-directory\\" : TEMPORARY_DIRECTORY;
        EXPECT_TRUE(startScene());
        EXPECT_EQ(currentDisplay->pictureArea.bottom, 4) << "the picture goes where the host says";
        dataFile->close(); // the next start opens it again
    }
    EXPECT_TRUE(sceneCalls.messageBoxes.empty());
}

// The program's own copy of the data file, as the resource calls give it; empty: none.
constexpr WORD COPY_RESOURCE = 7;
Bytes programsCopy;
const HRSRC COPY_FOUND = reinterpret_cast<HRSRC>(static_cast<INT_PTR>(0xC0B));
HRSRC WINAPI findCopy(HMODULE module, LPCSTR name, LPCSTR type) {
    bool asked = module == nullptr && name == MAKEINTRESOURCEA(COPY_RESOURCE) && type == RT_RCDATA;
    return asked && !programsCopy.empty() ? COPY_FOUND : nullptr;
}
HGLOBAL WINAPI loadCopy(HMODULE, HRSRC found) {
    return found == COPY_FOUND ? static_cast<HGLOBAL>(programsCopy.data()) : nullptr;
}
LPVOID WINAPI lockCopy(HGLOBAL loaded) {
    return loaded;
}
DWORD WINAPI sizeOfCopy(HMODULE, HRSRC) {
    return static_cast<DWORD>(programsCopy.size());
}

// Where the data file is looked for: the starting folder, the program's, then the host's own
// copy. Only a missing file moves on; a damaged one, wherever it is, gives its box. The three
// places hold balls of three sizes, so the sprite tells which was read.
TEST_F(StartSceneTest, LooksForTheDataFileInTheStartingFolderBesideTheProgramThenInItsOwnCopy) {
    const Bytes start = makeDemoDataFile(32, 8, 200, 100);
    const Bytes beside = makeDemoDataFile(16, 8, 200, 100);
    const Bytes copy = makeDemoDataFile(24, 8, 200, 100);
    Bytes damaged = copy;
    damaged[6] = 'X'; // "ZORHEAX"
    const char *const HEADER = "File header invalid or corrupt!";
    const struct {
        const char *name;
        Bytes start, beside, copy;
        WORD resource; // the host's: 0 for the demo, which has no copy
        LONG ballWidth;
        const char *box; // null for none
    } rows[] = {
        {"all three", start, beside, copy, COPY_RESOURCE, 32, nullptr},
        {"beside and the copy", {}, beside, copy, COPY_RESOURCE, 16, nullptr},
        {"the copy alone", {}, {}, copy, COPY_RESOURCE, 24, nullptr},
        {"damaged in the starting folder", damaged, beside, copy, COPY_RESOURCE, 0, HEADER},
        {"damaged beside the program", {}, damaged, copy, COPY_RESOURCE, 0, HEADER},
        {"a damaged copy", {}, {}, damaged, COPY_RESOURCE, 0, HEADER},
        {"beside the demo", {}, beside, copy, 0, 16, nullptr},
        {"nothing for the demo", {}, {}, copy, 0, 0, "File not found!"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SceneStartBed::TearDown();
        SceneStartBed::SetUp();
        sceneCalls.messageBoxes.clear();
        PlatformOverride table;
        table.set(&PlatformCalls::FindResourceA, findCopy);
        table.set(&PlatformCalls::LoadResource, loadCopy);
        table.set(&PlatformCalls::LockResource, lockCopy);
        table.set(&PlatformCalls::SizeofResource, sizeOfCopy);
        if (!row.start.empty()) {
            writeDataFile(row.start);
        }
        if (!row.beside.empty()) {
            ASSERT_TRUE(writeFile(DATA_FILE_BESIDE_PROGRAM, row.beside));
        }
        programsCopy = row.copy;
        sceneHost.dataFileResource = row.resource;

        EXPECT_EQ(startScene(), row.box == nullptr);
        if (row.box != nullptr) {
            expectOneErrorBox(row.box);
            continue;
        }
        EXPECT_TRUE(sceneCalls.messageBoxes.empty());
        ASSERT_NE(nullptr, ballSprite);
        EXPECT_EQ(row.ballWidth, ballSprite->width);
        EXPECT_EQ(demoTune(), readFile<Bytes>(TUNE_COPY_PATH)) << "the tune comes from it too";
    }
}

enum class Fault {
    NoFile,
    BadHeader,
    BadDirectory,
    NoTemporaryFile,
    CloseFails,
    OpenFails,
    PlayFails
};

struct StartFailure {
    const char *name;
    Fault fault;
    const char *text;
    size_t mciCommandsSent;
    bool temporaryPathAsked;
    bool tuneIsOptional = false; // hosted as the screen saver is
};

class StartSceneFailureTest : public SceneStartBed,
                              public ::testing::WithParamInterface<StartFailure> {
  protected:
    // Arranges the fault: a damaged or missing data file, or a failing system call.
    void arrange(Fault fault) {
        Bytes file = makeDemoDataFile(32, 8, 200, 100);
        switch (fault) {
        case Fault::NoFile:
            return;
        // A damaged file in the starting folder is the one used, not the sound one beside the
        // program.
        case Fault::BadHeader:
            file[6] = 'X'; // "ZORHEAX"
            writeFile(DATA_FILE_BESIDE_PROGRAM, makeDemoDataFile(32, 8, 200, 100));
            break;
        case Fault::BadDirectory:
            file[file.size() - 8] += 1; // the trailer points one byte past "ZORDIR"
            writeFile(DATA_FILE_BESIDE_PROGRAM, makeDemoDataFile(32, 8, 200, 100));
            break;
        case Fault::NoTemporaryFile:
            FakeTempPath::directory = ".\\no-such-directory\\";
            break;
        case Fault::CloseFails:
            MciRecorder::failingCall = 0;
            break;
        case Fault::OpenFails:
            MciRecorder::failingCall = 1;
            break;
        case Fault::PlayFails:
            MciRecorder::failingCall = 2;
            break;
        }
        writeDataFile(file);
    }
};

TEST_P(StartSceneFailureTest, ShowsOneMessageAndStopsAtTheFailingStep) {
    const StartFailure &c = GetParam();
    arrange(c.fault);
    sceneHost.tuneIsOptional = c.tuneIsOptional;

    EXPECT_FALSE(startScene());

    expectOneErrorBox(c.text);
    EXPECT_EQ(c.mciCommandsSent, MciRecorder::calls.size());
    EXPECT_EQ(c.temporaryPathAsked, FakeTempPath::asked > 0);
    EXPECT_TRUE(sceneCalls.quitCodes.empty()) << "the start-up itself ends the program";
    EXPECT_TRUE(sceneCalls.windowPositions.empty());
    EXPECT_TRUE(ddraw.objects.empty()) << "no display was set up";
    EXPECT_EQ(nullptr, ballSprite);
    EXPECT_EQ(nullptr, starSprite);
    EXPECT_EQ(nullptr, logoSprite);
    EXPECT_EQ(0, stars[0].x) << "the stars are not seeded";
    EXPECT_EQ(0, stars[0].y);
    EXPECT_EQ(0, fullScreenNext);

    // An Alt+Enter while the error box is up (another program may post one) finds nothing to
    // toggle: no sprites to reload, no display to build.
    Display *display = currentDisplay;
    toggleDisplayMode();
    EXPECT_EQ(display, currentDisplay);
    EXPECT_TRUE(ddraw.objects.empty());
    EXPECT_EQ(1u, sceneCalls.messageBoxes.size());
    EXPECT_EQ(0, fullScreenNext);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StartSceneFailureTest,
    ::testing::Values(StartFailure{"MissingDataFile", Fault::NoFile, "File not found!", 0, false},
                      StartFailure{"BadHeader", Fault::BadHeader, "File header invalid or corrupt!",
                                   0, false},
                      StartFailure{"BadHeaderForAQuietHost", Fault::BadHeader,
                                   "File header invalid or corrupt!", 0, false, true},
                      StartFailure{"BadDirectory", Fault::BadDirectory,
                                   "Data file directory missing or corrupt!", 0, false},
                      StartFailure{"TemporaryFileNotCreatable", Fault::NoTemporaryFile,
                                   "Could not create file! (Write protected media?)", 0, true},
                      StartFailure{"CloseAllFails", Fault::CloseFails, "Undefined Error!", 1, true},
                      StartFailure{"OpenFails", Fault::OpenFails, "Undefined Error!", 2, true},
                      StartFailure{"PlayFails", Fault::PlayFails, "Undefined Error!", 3, true}),
    [](const ::testing::TestParamInfo<StartFailure> &info) { return info.param.name; });

TEST_F(StartSceneTest, FailedWindowedSetUpIsReportedAndQuitsButTheStartUpSucceeds) {
    writeDataFile(makeDemoDataFile(32, 8, 200, 100));
    ddraw.failCall("DirectDrawCreate", 1, DDERR_GENERIC);

    EXPECT_TRUE(startScene());

    expectOneErrorBox("Could not initialize DirectDraw!");
    EXPECT_EQ(std::vector<int>{0}, sceneCalls.quitCodes);
    // Reported, then the quit request, then the window is centred all the same.
    EXPECT_LT(firstCallIndex("MessageBoxA"), firstCallIndex("PostQuitMessage"));
    EXPECT_LT(firstCallIndex("PostQuitMessage"), firstCallIndex("SetWindowPos"));
    EXPECT_EQ(1u, sceneCalls.windowPositions.size());
    EXPECT_EQ(1, fullScreenNext);
    EXPECT_EQ(41, stars[0].x) << "the stars are seeded all the same";
    EXPECT_EQ(3u, MciRecorder::calls.size()) << "the tune plays on until the quit";
}

TEST_F(StartSceneTest, NoSpriteIsLoadedOntoAHalfBuiltDisplay) {
    writeDataFile(makeDemoDataFile(32, 8, 200, 100));
    ddraw.failCall("SetClipper", 1, DDERR_GENERIC);

    EXPECT_TRUE(startScene());

    expectOneErrorBox("Could not attach clipper to primary surface!");
    ASSERT_EQ(1u, ddraw.objects.size());
    EXPECT_TRUE(spriteCreations(ddraw.latest()).empty());
    EXPECT_EQ(0, ddraw.log.count("StretchDIBits"));
    for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        ASSERT_NE(nullptr, sprite);
        EXPECT_EQ(nullptr, sprite->surface);
    }
}

} // namespace
