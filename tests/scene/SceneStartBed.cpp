#include "SceneStartBed.h"

#include <cstdio>
#include <direct.h>

#include "SceneStateReset.h"
#include "ScenePlatform.h"
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "display/FramePacer.h"
#include "music/MidiPlayer.h"
#include "scene/Scene.h"

const HWND TEST_WINDOW = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7E57));
const char *const DATA_FILE_PATH = "Varev1.WAD";
const char *const DATA_FILE_BESIDE_PROGRAM = ".\\scene-program\\Varev1.WAD";
const char *const TEMPORARY_DIRECTORY = ".\\scene-temp\\";
const char *const TUNE_COPY_PATH = ".\\scene-temp\\\\Zorvd.mid";

namespace {

// Frees what a started scene made, so the next test starts from nothing.
void releaseScene() {
    if (currentDisplay != nullptr) {
        currentDisplay->release();
        delete currentDisplay;
    }
    for (Surface *sprite : {ballSprite, starSprite, logoSprite}) {
        if (sprite != nullptr) {
            // A load of no file gives back the image blocks of the last one.
            sprite->loadBitmap(nullptr);
            delete sprite;
        }
    }
    if (dataFile != nullptr) {
        dataFile->close();
    }
    delete dataFile;
    delete midiPlayer;
}

} // namespace

void SceneStartBed::SetUp() {
    resetSceneState();
    ScreenWidth = 0;
    ScreenHeight = 0;
    ScreenBitsPerPixel = 0;
    FakeTempPath::directory = TEMPORARY_DIRECTORY;
    _mkdir("scene-temp");
    _mkdir("scene-program");
    std::remove(TUNE_COPY_PATH);
    std::remove(DATA_FILE_PATH);
    std::remove(DATA_FILE_BESIDE_PROGRAM);
    mainWindow = TEST_WINDOW;
    framePacingEnabled = false;
}

void SceneStartBed::TearDown() {
    releaseScene();
    resetSceneState();
    mainWindow = nullptr;
    framePacingEnabled = true;
    std::remove(DATA_FILE_PATH);
    std::remove(DATA_FILE_BESIDE_PROGRAM);
    std::remove(TUNE_COPY_PATH);
}

void SceneStartBed::writeDataFile(const Bytes &bytes) {
    ASSERT_TRUE(writeFile(DATA_FILE_PATH, bytes));
}

void SceneStartBed::startWorkingScene() {
    writeDataFile(makeDemoDataFile(32, 8, 200, 100));
    ASSERT_TRUE(startScene());
    ASSERT_TRUE(sceneCalls.messageBoxes.empty());
}

DDrawCalls SceneStartBed::spriteCreations(const FakeDirectDraw *object) const {
    DDrawCalls creations;
    for (const DDrawCall &call : ddraw.log.callsOf("CreateSurface")) {
        bool onObject = call.object == object || call.object == &object->second;
        if (onObject && call.caps == (DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY)) {
            creations.push_back(call);
        }
    }
    return creations;
}
