// Display benchmark: builds a real windowed Display on a real window, loads a sprite, and times
// frames of fill + 64 blits + text + present, with frame pacing on and then off; paced, it also
// gives the spread of the intervals between presents, and writes them in order to FILE if given.
// Usage: display_bench [frames] [paced|unpaced] [FILE]   (default 300 frames, both)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <windows.h>

#include "display/Display.h"

namespace {

constexpr int SPRITE_SIDE = 32;
constexpr int BLITS_PER_FRAME = 64;

// A 32 x 32 8-bit BMP: colour 0 is black (the key), the rest a ramp.
std::vector<unsigned char> spriteBmp() {
    const unsigned pixels = SPRITE_SIDE * SPRITE_SIDE;
    const unsigned offBits = 14 + 40 + 1024;
    std::vector<unsigned char> bytes(offBits + pixels, 0);
    auto put = [&bytes](size_t at, unsigned value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, offBits + pixels, 4);
    put(10, offBits, 4);
    put(14, 40, 4);
    put(18, SPRITE_SIDE, 4);
    put(22, SPRITE_SIDE, 4);
    put(26, 1, 2);
    put(28, 8, 2);
    for (unsigned i = 1; i < 256; ++i)
        put(54 + 4 * i, (i << 16) | ((255 - i) << 8) | 128, 4);
    for (unsigned i = 0; i < pixels; ++i)
        bytes[offBits + i] = static_cast<unsigned char>(i % 7 == 0 ? 0 : i);
    return bytes;
}

LRESULT CALLBACK benchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = benchWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Zorv2DisplayBench";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "Zorv2DisplayBench", "display bench", WS_POPUP | WS_VISIBLE, 0, 0,
                           640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Lets the window's messages through so the desktop stays responsive.
void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Frames per second, and the intervals between presents in milliseconds, in the order they came
// until sorted.
struct Timing {
    double framesPerSecond = 0;
    std::vector<double> intervals;

    // Of the intervals once sorted.
    double percentile(double fraction) const {
        if (intervals.empty())
            return 0;
        size_t at = size_t(fraction * double(intervals.size() - 1) + 0.5);
        return intervals[at];
    }
};

// Draws and presents frames and times them.
Timing timeFrames(Display &display, Surface &sprite, int frames) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Timing timing;
    timing.intervals.reserve(size_t(frames));
    LARGE_INTEGER previous = start;
    for (int frame = 0; frame < frames; ++frame) {
        pumpMessages();
        display.backBuffer->fill(0);
        for (int i = 0; i < BLITS_PER_FRAME; ++i)
            sprite.blitTo((i * 83 + frame * 3) % 680 - 20, (i * 47 + frame) % 520 - 20, 1,
                          display.backBuffer);
        display.backBuffer->getDC();
        display.backBuffer->drawText(0, 0, "Frame Rate = 60", RGB(255, 255, 255));
        display.backBuffer->releaseDC();
        display.present(1);
        LARGE_INTEGER shown;
        QueryPerformanceCounter(&shown);
        // The first interval runs from the start, not from a present.
        if (frame > 0)
            timing.intervals.push_back(double(shown.QuadPart - previous.QuadPart) * 1000 /
                                       double(frequency.QuadPart));
        previous = shown;
    }
    QueryPerformanceCounter(&end);
    timing.framesPerSecond =
        frames * double(frequency.QuadPart) / double(end.QuadPart - start.QuadPart);
    return timing;
}

// Writes the intervals one a line, in milliseconds, for scripts/bench's plot.
bool writeIntervals(const std::vector<double> &intervals, const char *path) {
    FILE *file = std::fopen(path, "w");
    if (file == nullptr)
        return false;
    for (double interval : intervals)
        std::fprintf(file, "%.3f\n", interval);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char **argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    const char *only = argc > 2 ? argv[2] : "";
    const char *intervalsPath = argc > 3 ? argv[3] : nullptr;
    bool paced = std::strcmp(only, "unpaced") != 0;
    bool unpaced = std::strcmp(only, "paced") != 0;
    if (frames < 2 || (!paced && !unpaced)) {
        std::printf("usage: display_bench [frames] [paced|unpaced] [FILE]\n");
        return 2;
    }
    HWND window = makeWindow();
    Display display;
    ResultCode result = display.setWindowed(window, 640, 480);
    if (result != RC_SUCCESS) {
        std::printf("windowed set-up failed: %d\n", int(result));
        return 1;
    }
    std::vector<unsigned char> bytes = spriteBmp();
    FILE *stream = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fseek(stream, 0, SEEK_SET);
    Surface sprite;
    result = sprite.loadBitmap(stream);
    std::fclose(stream);
    if (result != RC_SUCCESS || sprite.create(MEMORY_SYSTEM) != RC_SUCCESS) {
        std::printf("sprite set-up failed: %d\n", int(result));
        return 1;
    }
    sprite.setColorKey(0);
    sprite.drawImage(0, 0);

    std::printf("%d frames of fill + %d blits + text + present, %d bpp desktop\n", frames,
                BLITS_PER_FRAME, int(ScreenBitsPerPixel));
    if (paced) {
        framePacingEnabled = true;
        Timing timing = timeFrames(display, sprite, frames);
        if (intervalsPath != nullptr && !writeIntervals(timing.intervals, intervalsPath)) {
            std::printf("could not write %s\n", intervalsPath);
            return 1;
        }
        std::sort(timing.intervals.begin(), timing.intervals.end());
        std::printf("pacing on:  %.1f frames per second; interval p50 %.2f p99 %.2f max %.2f ms\n",
                    timing.framesPerSecond, timing.percentile(0.5), timing.percentile(0.99),
                    timing.intervals.back());
    }
    if (unpaced) {
        framePacingEnabled = false;
        Timing timing = timeFrames(display, sprite, frames);
        std::printf("pacing off: %.1f frames per second\n", timing.framesPerSecond);
    }
    display.release();
    DestroyWindow(window);
    return 0;
}
