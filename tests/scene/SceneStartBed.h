// SceneStartBed: what startScene and toggleDisplayMode need around them in a test: recording
// DirectDraw, GDI and screen doubles, the scene's own platform stand-ins, a main window handle,
// a temporary directory, and a data file in the working directory. Cleans all of it up again.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "doubles/FakeDDraw.h"
#include "doubles/FakeGdi.h"
#include "doubles/FakeScreen.h"
#include "ScenePlatform.h"
#include "SceneDataFile.h"

class SceneStartBed : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the data file the start-up opens.
    void writeDataFile(const Bytes &bytes);
    // Writes a working demo's data file, starts the scene and expects it to succeed.
    void startWorkingScene();
    // The CreateSurface calls for sprites (system memory) on the given DirectDraw object.
    DDrawCalls spriteCreations(const FakeDirectDraw *object) const;

    ScenePlatform scenePlatform;
    FakeDDraw ddraw;
    FakeScreen screen{ddraw.log};
    FakeGdi gdi{ddraw.log};
};

// The main window handle the tests give the scene.
extern const HWND TEST_WINDOW;
// The data file's name in the working directory and beside the program, and the tune's temporary
// directory.
extern const char *const DATA_FILE_PATH;
extern const char *const DATA_FILE_BESIDE_PROGRAM;
extern const char *const TEMPORARY_DIRECTORY;
// The temporary copy of the tune as the player names it.
extern const char *const TUNE_COPY_PATH;
