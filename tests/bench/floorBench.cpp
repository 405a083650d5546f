// The bench's floor: a bare program that draws the demo's frame through the same windowed
// DirectDraw path, with none of the demo's code: a fill, 60 stars, 3 balls and the logo as
// colour-keyed fast blits, the read-out's text through the back buffer's device context, and
// the copy onto the window's part of the primary surface, 60 times a second on a plain waitable
// timer. What the demo costs above this is its own; this much any program drawing that frame
// on this path pays.
// Usage: floor_bench SECONDS FOLDER   (FOLDER holds ball.bmp, star.bmp and logo.bmp)
// Prints "measuring" once the first frames have settled, then "measured" with its frames a
// second and the intervals between presents, SECONDS later, for scripts/bench to take its CPU
// from /proc between the two.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <ddraw.h>
#include <windows.h>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int STARS = 60;
constexpr int BALLS = 3;
constexpr double FRAME_MS = 1000.0 / 60;
constexpr int SETTLE_FRAMES = 150;
constexpr const char *WINDOW_CLASS = "Zorv2FloorBench";

LRESULT CALLBACK floorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A borderless window of the demo's size where the demo puts it on a 1024 x 768 screen.
HWND makeWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = floorWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = WINDOW_CLASS;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, WINDOW_CLASS, "floor bench", WS_POPUP | WS_VISIBLE, 192, 144, WIDTH,
                           HEIGHT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

IDirectDrawSurface *makeSurface(IDirectDraw *directDraw, DWORD caps, int width, int height) {
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | (width ? DDSD_WIDTH | DDSD_HEIGHT : 0);
    desc.ddsCaps.dwCaps = caps;
    desc.dwWidth = DWORD(width);
    desc.dwHeight = DWORD(height);
    IDirectDrawSurface *surface = nullptr;
    return directDraw->CreateSurface(&desc, &surface, nullptr) == DD_OK ? surface : nullptr;
}

struct Sprite {
    IDirectDrawSurface *surface = nullptr;
    int width = 0;
    int height = 0;
};

// A system-memory surface holding the BMP at path, black as its colour key.
Sprite loadSprite(IDirectDraw *directDraw, const std::string &path) {
    Sprite sprite;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return sprite;
    sprite.surface = makeSurface(directDraw, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY,
                                 info.bmWidth, info.bmHeight);
    HDC surfaceDC = nullptr;
    if (sprite.surface && sprite.surface->GetDC(&surfaceDC) == DD_OK) {
        HDC bitmapDC = CreateCompatibleDC(surfaceDC);
        HGDIOBJ old = SelectObject(bitmapDC, bitmap);
        BitBlt(surfaceDC, 0, 0, info.bmWidth, info.bmHeight, bitmapDC, 0, 0, SRCCOPY);
        SelectObject(bitmapDC, old);
        DeleteDC(bitmapDC);
        sprite.surface->ReleaseDC(surfaceDC);
        DDCOLORKEY key = {0, 0};
        sprite.surface->SetColorKey(DDCKEY_SRCBLT, &key);
        sprite.width = info.bmWidth;
        sprite.height = info.bmHeight;
    }
    DeleteObject(bitmap);
    return sprite;
}

// A colour-keyed fast blit of sprite at (x, y), clipped to the back buffer, as the demo blits.
void blit(IDirectDrawSurface *backBuffer, const Sprite &sprite, int x, int y) {
    RECT source = {std::max(0, -x), std::max(0, -y), std::min(sprite.width, WIDTH - x),
                   std::min(sprite.height, HEIGHT - y)};
    if (source.right <= source.left || source.bottom <= source.top)
        return;
    backBuffer->BltFast(std::max(0, x), std::max(0, y), sprite.surface, &source,
                        DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
}

struct Frame {
    IDirectDrawSurface *primary;
    IDirectDrawSurface *backBuffer;
    Sprite star, ball, logo;
    HWND window;
};

void drawFrame(const Frame &frame, int number) {
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    frame.backBuffer->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    for (int i = 0; i < STARS; ++i)
        blit(frame.backBuffer, frame.star, i * 97 % WIDTH, (i * 151 + number * 3) % HEIGHT);
    for (int i = 0; i < BALLS; ++i)
        blit(frame.backBuffer, frame.ball, (i * 200 + number * 2) % WIDTH,
             (i * 120 + number * 2) % HEIGHT);
    blit(frame.backBuffer, frame.logo, WIDTH - number % (WIDTH + frame.logo.width),
         HEIGHT / 2 - frame.logo.height / 2);
    HDC dc = nullptr;
    if (frame.backBuffer->GetDC(&dc) == DD_OK) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutA(dc, 0, 0, "Frame Rate = 60", 15);
        frame.backBuffer->ReleaseDC(dc);
    }
    RECT client;
    GetClientRect(frame.window, &client);
    POINT origin = {0, 0};
    ClientToScreen(frame.window, &origin);
    OffsetRect(&client, origin.x, origin.y);
    frame.primary->Blt(&client, frame.backBuffer, nullptr, DDBLT_WAIT, nullptr);
}

double millisecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return double(to.QuadPart - from.QuadPart) * 1000 / double(frequency.QuadPart);
}

// Sleeps on timer until due, in milliseconds after start.
void waitUntil(HANDLE timer, LARGE_INTEGER start, LARGE_INTEGER frequency, double due) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    double left = due - millisecondsBetween(start, now, frequency);
    if (left <= 0)
        return;
    LARGE_INTEGER relative;
    relative.QuadPart = -static_cast<LONGLONG>(left * 10000); // in 100 ns, negative: relative
    SetWaitableTimer(timer, &relative, 0, nullptr, nullptr, FALSE);
    WaitForSingleObject(timer, INFINITE);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

double percentile(const std::vector<double> &sorted, double fraction) {
    return sorted[size_t(fraction * double(sorted.size() - 1) + 0.5)];
}

} // namespace

int main(int argc, char **argv) {
    int seconds = argc > 2 ? std::atoi(argv[1]) : 0;
    if (seconds <= 0) {
        std::printf("usage: floor_bench SECONDS FOLDER\n");
        return 2;
    }
    std::string folder = argv[2];
    HWND window = makeWindow();
    IDirectDraw *directDraw = nullptr;
    IDirectDrawClipper *clipper = nullptr;
    Frame frame = {};
    frame.window = window;
    if (DirectDrawCreate(nullptr, &directDraw, nullptr) != DD_OK ||
        directDraw->SetCooperativeLevel(window, DDSCL_NORMAL) != DD_OK ||
        !(frame.primary = makeSurface(directDraw, DDSCAPS_PRIMARYSURFACE, 0, 0)) ||
        !(frame.backBuffer = makeSurface(directDraw, DDSCAPS_OFFSCREENPLAIN, WIDTH, HEIGHT)) ||
        directDraw->CreateClipper(0, &clipper, nullptr) != DD_OK ||
        clipper->SetHWnd(0, window) != DD_OK || frame.primary->SetClipper(clipper) != DD_OK) {
        std::printf("the windowed DirectDraw set-up failed\n");
        return 1;
    }
    frame.star = loadSprite(directDraw, folder + "\\star.bmp");
    frame.ball = loadSprite(directDraw, folder + "\\ball.bmp");
    frame.logo = loadSprite(directDraw, folder + "\\logo.bmp");
    if (!frame.star.surface || !frame.ball.surface || !frame.logo.surface) {
        std::printf("the sprites in %s did not load\n", folder.c_str());
        return 1;
    }
    HANDLE timer = CreateWaitableTimerA(nullptr, TRUE, nullptr);
    LARGE_INTEGER frequency, start, previous, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    previous = start;
    int frames = SETTLE_FRAMES + seconds * 60;
    std::vector<double> intervals;
    intervals.reserve(size_t(frames));
    for (int number = 0; number < frames; ++number) {
        pumpMessages();
        drawFrame(frame, number);
        QueryPerformanceCounter(&shown);
        if (number == SETTLE_FRAMES) {
            std::printf("measuring\n");
            std::fflush(stdout);
        } else if (number > SETTLE_FRAMES) {
            intervals.push_back(millisecondsBetween(previous, shown, frequency));
        }
        previous = shown;
        waitUntil(timer, start, frequency, (number + 1) * FRAME_MS);
    }
    double measuredMs = 0;
    for (double interval : intervals)
        measuredMs += interval;
    std::sort(intervals.begin(), intervals.end());
    std::printf("measured: %.1f frames per second; interval p50 %.2f p99 %.2f max %.2f ms\n",
                double(intervals.size()) * 1000 / measuredMs, percentile(intervals, 0.5),
                percentile(intervals, 0.99), intervals.back());
    return 0;
}
