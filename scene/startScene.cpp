// Start-up of the demo: data file, music, sprites, the first (windowed) display and the stars.
#include <string>
#include <vector>

#include "datafile/DataFile.h"
#include "display/Display.h"
#include "music/MidiPlayer.h"
#include "platform/PlatformCalls.h"
#include "platform/programResource.h"
#include "scene/Scene.h"
#include "scene/SceneHost.h"
#include "scene/starField.h"

namespace {

constexpr const wchar_t *DATA_FILE_NAME = L"Varev1.WAD";
constexpr const char *TUNE_ENTRY_NAME = "Zorvd.mid";
// The longest path Windows can name, in characters.
constexpr DWORD LONGEST_PATH = 32768;

// The path of fileName in the program's own folder; empty when the system does not name it.
// Wide characters, so a folder named in any script is reached.
std::wstring besideProgram(const wchar_t *fileName) {
    std::vector<wchar_t> program(LONGEST_PATH);
    DWORD length = platform.GetModuleFileNameW(nullptr, program.data(), LONGEST_PATH);
    // A result of the whole buffer is a path cut short.
    if (length == 0 || length >= LONGEST_PATH) {
        return {};
    }
    std::wstring path(program.data(), length);
    size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        return {};
    }
    return path.substr(0, separator + 1) + fileName;
}

// The program's own copy of the data file, when its host has one, read with the same checks as a
// file on disk.
ResultCode openEmbeddedDataFile() {
    FILE *stream = nullptr;
    ResultCode result = sceneHost.dataFileResource == 0
                            ? RC_FILE_NOT_FOUND
                            : openProgramResource(sceneHost.dataFileResource, stream);
    return result == RC_SUCCESS ? dataFile->openStream(stream) : result;
}

// Opens the data file from the folder the demo was started in; only when none is there, the one
// beside the program, so a start from a shortcut or a prompt elsewhere finds it too; only when
// none is there either, the host's own copy. A file on disk is used even when it is damaged, and
// its failure is the one reported: a user's own content comes before the copy.
ResultCode openDataFile() {
    ResultCode result = dataFile->open(DATA_FILE_NAME);
    if (result != RC_FILE_NOT_FOUND) {
        return result;
    }
    std::wstring beside = besideProgram(DATA_FILE_NAME);
    if (!beside.empty()) {
        result = dataFile->open(beside.c_str());
    }
    return result == RC_FILE_NOT_FOUND ? openEmbeddedDataFile() : result;
}

// Copies the tune out of the data file, under the host's name for the copy, and starts it; the
// first failing step's code.
ResultCode startMusic() {
    // A missing entry gives size 0 and a null stream; the player copes with both.
    int32_t size = dataFile->sizeOf(TUNE_ENTRY_NAME);
    FILE *stream = dataFile->find(TUNE_ENTRY_NAME);
    ResultCode result = midiPlayer->extract(sceneHost.tuneCopyName, stream, size);
    if (result != RC_SUCCESS) {
        return result;
    }
    return midiPlayer->play();
}

// Starts the tune when the host plays one; a host that can do without it runs on silently when
// it cannot be copied or played (another program's sequencer may be in use).
ResultCode startHostedMusic() {
    if (!sceneHost.playsTune) {
        return RC_SUCCESS;
    }
    ResultCode result = startMusic();
    return sceneHost.tuneIsOptional ? RC_SUCCESS : result;
}

} // namespace

bool startScene() {
    currentDisplay = new Display();
    midiPlayer = new MidiPlayer();
    fullScreenNext = 0;
    midiPlayer->setNotifyWindow(mainWindow);
    dataFile = new DataFile();

    ResultCode result = openDataFile();
    if (result == RC_SUCCESS) {
        result = startHostedMusic();
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
