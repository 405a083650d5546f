// wadfuzz: feeds seeded, structure-aware mutants of the demo's data file through the demo's own
// path (DataFile open, find and sizeOf; Surface::loadBitmap, create, drawImage and blitTo onto a
// real windowed Display) and checks that every result is a documented code, that nothing
// crashes and that the process's memory stays flat.
//
//   wadfuzz.exe [COUNT [FIRST_SEED [DATA_FILE]]]
//   wadfuzz.exe --replay FILE...     (each FILE once, as kept from an earlier crash)
//
// Mutant s comes from seed s alone, so "wadfuzz.exe 1 s" replays it. Prints one line,
// "wadfuzz: N inputs, K crashes", on stdout; details go to stderr. Exit status 0 when all held.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <windows.h>
#include <psapi.h>

#include "WadMutator.h"
#include "datafile/DataFile.h"
#include "display/Display.h"
#include "display/Surface.h"
#include "support/TestFiles.h"

namespace {

constexpr const char *MUTANT_PATH = "wadfuzz-input.wad";
constexpr int PRESENT_EVERY = 64;
// Memory is measured once the first inputs (a tenth, at most 200) have warmed up the heaps and
// Wine's caches.
constexpr int WARM_UP_INPUTS = 200;
constexpr SIZE_T MEMORY_GROWTH_LIMIT = 2 * 1024 * 1024;
// NOTE: On Wine 8's OpenGL path for DirectDraw (ZORV2_WINE_RENDERER=default) Wine fills an
// 8 MB committed block of its own a page at a time: private bytes rose about 0.55 KB per input
// up to about 7,300 inputs (39.2 MB after 200, 43.0 MB after 7,500), then not by one byte up to
// 10,000. All of it lay in that one mapping, which the 2D path does not have (there the run
// stays at +0 bytes); the live global blocks stayed at 0 and the process heaps' busy bytes did
// not grow. So growth beyond the limit still counts as flat when the last quarter of the run
// added at most this much: it has levelled off, which a leak never does.
constexpr SIZE_T LAST_QUARTER_GROWTH_LIMIT = 64 * 1024;
// An input slower than this is named on stderr: the run must stay fast enough for the tests.
constexpr DWORD SLOW_INPUT_MS = 200;
const char *const SPRITE_NAMES[] = {"ball.bmp", "star.bmp", "logo.bmp"};

const std::set<ResultCode> OPEN_RESULTS = {RC_SUCCESS, RC_FILE_NOT_FOUND, RC_DIRECTORY_CORRUPT,
                                           RC_DIRECTORY_NO_MEMORY, RC_HEADER_INVALID};
const std::set<ResultCode> LOAD_RESULTS = {
    RC_SUCCESS,       RC_FILE_NOT_FOUND,        RC_HEADER_INVALID,      RC_NOT_BMP,
    RC_BMP_BAD,       RC_BMP_INFO_ALLOC_FAILED, RC_PALETTE_LOAD_FAILED, RC_BITMAP_ALLOC_FAILED,
    RC_BAD_IMAGE_DATA};
const std::set<ResultCode> CREATE_RESULTS = {RC_SUCCESS, RC_SURFACE_CREATE_FAILED};

uint64_t currentSeed = 0;
int inputsDone = 0;

// The one line a fuzzer prints, and the crash report: the seed, and the input kept as a file.
LONG WINAPI reportCrash(EXCEPTION_POINTERS *exception) {
    std::string kept = "wadfuzz-crash-" + std::to_string(currentSeed) + ".wad";
    CopyFileA(MUTANT_PATH, kept.c_str(), FALSE);
    std::fprintf(stderr, "wadfuzz: seed %llu crashed with exception 0x%08lX; input kept as %s\n",
                 static_cast<unsigned long long>(currentSeed),
                 exception->ExceptionRecord->ExceptionCode, kept.c_str());
    std::printf("wadfuzz: %d inputs, 1 crashes\n", inputsDone + 1);
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 1);
    return EXCEPTION_EXECUTE_HANDLER;
}

// The process's own private bytes.
SIZE_T privateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// A visible 640 x 480 window for the Display, as the demo has.
HWND makeWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Zorv2WadFuzz";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "wadfuzz", WS_POPUP | WS_VISIBLE, 0, 0,
                           640, 480, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// Lets the window's messages through, so the desktop does not take the program for hung.
void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

// Records a result that is not among the documented ones.
bool expectDocumented(const std::set<ResultCode> &documented, ResultCode result,
                      const char *operation) {
    if (documented.count(result)) {
        return true;
    }
    std::fprintf(stderr, "wadfuzz: seed %llu: %s gave 0x%X, not a documented code\n",
                 static_cast<unsigned long long>(currentSeed), operation,
                 static_cast<unsigned>(result));
    return false;
}

// Loads, creates, draws and blits one sprite as a display toggle and a frame do.
bool runSprite(DataFile &dataFile, const char *name, Surface &sprite, Display &display) {
    dataFile.sizeOf(name);
    bool documented =
        expectDocumented(LOAD_RESULTS, sprite.loadBitmap(dataFile.find(name)), "loadBitmap");
    documented =
        expectDocumented(CREATE_RESULTS, sprite.create(MEMORY_SYSTEM), "create") && documented;
    sprite.setColorKey(0);
    sprite.drawImage(0, 0);
    sprite.blitTo(100, 100, 1, display.backBuffer);
    sprite.blitTo(-10, 470, 1, display.backBuffer);
    return documented;
}

// Gives back what one input made: the sprites' surfaces and blocks, the stream, the directory.
void releaseInput(DataFile &dataFile, Surface (&sprites)[3]) {
    for (Surface &sprite : sprites) {
        if (sprite.surface) {
            sprite.surface->Release();
            sprite.surface = nullptr;
        }
        sprite.loadBitmap(nullptr);
    }
    dataFile.close();
}

// Runs one mutant through the demo's path; false when a result was not documented.
bool runInput(const std::vector<uint8_t> &mutant, Display &display) {
    if (!writeFile(MUTANT_PATH, mutant)) {
        std::fprintf(stderr, "wadfuzz: cannot write %s\n", MUTANT_PATH);
        return false;
    }
    DataFile dataFile;
    Surface sprites[3];
    ResultCode opened = dataFile.open(MUTANT_PATH);
    bool documented = expectDocumented(OPEN_RESULTS, opened, "DataFile::open");
    if (opened == RC_SUCCESS) {
        dataFile.sizeOf("Zorvd.mid");
        dataFile.find("Zorvd.mid");
        for (int i = 0; i < 3; ++i) {
            documented = runSprite(dataFile, SPRITE_NAMES[i], sprites[i], display) && documented;
        }
    }
    releaseInput(dataFile, sprites);
    return documented;
}

// The demo's data file: the third argument, else Varev1.WAD in ZORV2_DEMO_DIR or here.
std::string dataFilePath(int argc, char **argv) {
    if (argc > 3) {
        return argv[3];
    }
    const char *folder = std::getenv("ZORV2_DEMO_DIR");
    return folder ? std::string(folder) + "/Varev1.WAD" : "Varev1.WAD";
}

} // namespace

// Runs each kept input once; the regression check of the crashes found so far.
int replay(int count, char **paths, Display &display) {
    int undocumented = 0;
    for (inputsDone = 0; inputsDone < count; ++inputsDone) {
        undocumented += runInput(readFile<Bytes>(paths[inputsDone]), display) ? 0 : 1;
    }
    std::printf("wadfuzz replay: %d inputs, 0 crashes\n", count);
    return undocumented == 0 ? 0 : 1;
}

int main(int argc, char **argv) {
    bool replaying = argc > 1 && std::string(argv[1]) == "--replay";
    int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    uint64_t firstSeed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 0;
    std::string basePath = dataFilePath(argc, argv);
    WadMutator mutator(readFile<Bytes>(basePath));
    if (!replaying && !mutator.valid()) {
        std::fprintf(stderr, "wadfuzz: %s is no data file to start from\n", basePath.c_str());
        return 2;
    }
    SetUnhandledExceptionFilter(reportCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);

    HWND window = makeWindow();
    Display display;
    if (!window || display.setWindowed(window, 640, 480) != RC_SUCCESS) {
        std::fprintf(stderr, "wadfuzz: no windowed display to draw on\n");
        return 2;
    }
    if (replaying) {
        return replay(argc - 2, argv + 2, display);
    }
    int undocumented = 0;
    int warmUp = count / 10 < WARM_UP_INPUTS ? count / 10 + 1 : WARM_UP_INPUTS;
    int lastQuarter = count - count / 4;
    SIZE_T warmMemory = 0;
    SIZE_T lastQuarterMemory = 0;
    for (inputsDone = 0; inputsDone < count; ++inputsDone) {
        currentSeed = firstSeed + static_cast<uint64_t>(inputsDone);
        DWORD started = GetTickCount();
        undocumented += runInput(mutator.mutant(currentSeed), display) ? 0 : 1;
        if (GetTickCount() - started > SLOW_INPUT_MS) {
            std::fprintf(stderr, "wadfuzz: seed %llu took %lu ms\n",
                         static_cast<unsigned long long>(currentSeed), GetTickCount() - started);
        }
        if (inputsDone % PRESENT_EVERY == 0) {
            display.backBuffer->fill(0);
            display.present(0);
            pumpMessages();
        }
        if (inputsDone + 1 == warmUp) {
            warmMemory = privateBytes();
        }
        if (inputsDone + 1 == lastQuarter) {
            lastQuarterMemory = privateBytes();
        }
    }
    SIZE_T endMemory = privateBytes();
    long long growth = static_cast<long long>(endMemory) - static_cast<long long>(warmMemory);
    long long lastQuarterGrowth =
        static_cast<long long>(endMemory) - static_cast<long long>(lastQuarterMemory);
    std::fprintf(stderr,
                 "wadfuzz: private bytes %.1f MB after %d inputs, %.1f MB at the end (%+lld "
                 "bytes; %+lld bytes over the last %d inputs)\n",
                 warmMemory / 1048576.0, warmUp, endMemory / 1048576.0, growth, lastQuarterGrowth,
                 count - lastQuarter);
    std::printf("wadfuzz: %d inputs, 0 crashes\n", count);
    bool flat = growth <= static_cast<long long>(MEMORY_GROWTH_LIMIT) ||
                lastQuarterGrowth <= static_cast<long long>(LAST_QUARTER_GROWTH_LIMIT);
    if (!flat) {
        std::fprintf(stderr,
                     "wadfuzz: memory grew by more than %u bytes and still grew by more than %u "
                     "over the last quarter\n",
                     static_cast<unsigned>(MEMORY_GROWTH_LIMIT),
                     static_cast<unsigned>(LAST_QUARTER_GROWTH_LIMIT));
    }
    if (undocumented) {
        std::fprintf(stderr, "wadfuzz: %d inputs gave undocumented results\n", undocumented);
    }
    DeleteFileA(MUTANT_PATH);
    return flat && undocumented == 0 ? 0 : 1;
}
