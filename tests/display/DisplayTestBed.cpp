#include "DisplayTestBed.h"

std::string hex(HRESULT result) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

std::vector<std::string> callSequence(const DDrawCallLog &log) {
    std::vector<std::string> sequence;
    for (const DDrawCall &call : log.calls)
        sequence.push_back(call.objectName + "." + call.method);
    return sequence;
}

DisplayTestBed::DisplayTestBed() {
    ScreenWidth = 0;
    ScreenHeight = 0;
    ScreenBitsPerPixel = 0;
    directDraw = nullptr;
}

DisplayTestBed::~DisplayTestBed() {
    directDraw = nullptr;
}
