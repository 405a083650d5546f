#include "ScreenCapture.h"

#include <cstring>
#include <fstream>

namespace {

// A top-down 32-bit DIB section selected into a memory DC; the caller owns both.
struct DibCanvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t *bits = nullptr;

    DibCanvas(int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void *pixels = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<uint32_t *>(pixels);
        previous = SelectObject(dc, bitmap);
    }
    ~DibCanvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    Capture copy(int width, int height) const {
        GdiFlush();
        Capture capture;
        capture.width = width;
        capture.height = height;
        capture.pixels.assign(bits, bits + width * height);
        for (uint32_t &pixel : capture.pixels) {
            pixel &= 0x00FFFFFF;
        }
        return capture;
    }
};

void put32(std::ofstream &file, uint32_t value) {
    file.write(reinterpret_cast<char *>(&value), 4);
}
void put16(std::ofstream &file, uint16_t value) {
    file.write(reinterpret_cast<char *>(&value), 2);
}

} // namespace

Capture captureScreen(const RECT &rect) {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    DibCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.copy(width, height);
}

bool pictureMoves(const RECT &rect) {
    Capture before = captureScreen(rect);
    Sleep(300);
    return captureScreen(rect).pixels != before.pixels;
}

Capture renderText(const char *text, int width, int height) {
    DibCanvas canvas(width, height);
    std::memset(canvas.bits, 0, static_cast<size_t>(width) * height * 4);
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, RGB(255, 255, 255));
    TextOutA(canvas.dc, 0, 0, text, lstrlenA(text));
    return canvas.copy(width, height);
}

void saveBmp(const Capture &capture, const std::string &path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    uint32_t pixelBytes = static_cast<uint32_t>(capture.pixels.size() * 4);
    file.write("BM", 2);
    put32(file, 54 + pixelBytes);
    put32(file, 0);
    put32(file, 54);
    put32(file, 40);
    put32(file, capture.width);
    put32(file, capture.height);
    put16(file, 1);
    put16(file, 32);
    for (int i = 0; i < 6; ++i) {
        put32(file, 0);
    }
    for (int y = capture.height - 1; y >= 0; --y) {
        file.write(reinterpret_cast<const char *>(&capture.pixels[y * capture.width]),
                   capture.width * 4);
    }
}
