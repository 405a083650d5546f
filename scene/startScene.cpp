// Start-up of the demo: data file, music, sprites, the first (windowed) display and the stars.
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "music/MidiPlayer.h"
#include "scene/Scene.h"
#include "scene/starField.h"

namespace {

constexpr const char *DATA_FILE_NAME = "Varev1.WAD";
constexpr const char *TUNE_ENTRY_NAME = "Zorvd.mid";

// Copies the tune out of the data file and starts it; the first failing step's code.
ResultCode startMusic() {
    // A missing entry gives size 0 and a null stream; the player copes with both.
    int32_t size = dataFile->sizeOf(TUNE_ENTRY_NAME);
    FILE *stream = dataFile->find(TUNE_ENTRY_NAME);
    ResultCode result = midiPlayer->extract(TUNE_ENTRY_NAME, stream, size);
    if (result != RC_SUCCESS) {
        return result;
    }
    return midiPlayer->play();
}

} // namespace

bool startScene() {
    currentDisplay = new Display();
    midiPlayer = new MidiPlayer();
    fullScreenNext = 0;
    midiPlayer->setNotifyWindow(mainWindow);
    dataFile = new DataFile();

    ResultCode result = dataFile->open(DATA_FILE_NAME);
    if (result == RC_SUCCESS) {
        result = startMusic();
    }
    if (result != RC_SUCCESS) {
        reportFailure(result);
        return false;
    }

    ballSprite = new Surface();
    starSprite = new Surface();
    logoSprite = new Surface();
    // fullScreenNext is 0, so this builds the windowed display and loads the sprites. A failed
    // set-up has already been reported and the quit message posted; the start-up still succeeds.
    toggleDisplayMode();
    seedStars();
    return true;
}
