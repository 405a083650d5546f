#include "bitmapVerdict.h"

#include <cstring>

#include "datafile/DataFileLayout.h"
#include "display/BmpChecks.h"
#include "platform/resultText.h"

namespace {

std::string willNotLoad(ResultCode code, const std::string &why) {
    return std::string("the demo will not load it (\"") + resultText(code) + "\"): " + why;
}

std::string willNotDraw(const std::string &why) {
    return "the demo loads it but will not draw it: " + why;
}

// Why the loader's pixel-place check refuses it.
std::string pixelPlaceReason(ResultCode code) {
    if (code == RC_BITMAP_ALLOC_FAILED) {
        return "bfSize is not above bfOffBits, so there are no pixels";
    }
    return "the pixels at bfOffBits run past the end of the data file or beyond 2 GiB";
}

} // namespace

std::string bitmapVerdict(FILE *stream, uint32_t entrySize) {
    long start = ftell(stream);
    unsigned char fileHeader[BMP_FILE_HEADER_SIZE];
    if (fread(fileHeader, sizeof(fileHeader), 1, stream) != 1) {
        return willNotLoad(RC_HEADER_INVALID, "the file header is cut off");
    }
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') {
        return willNotLoad(RC_NOT_BMP, "it does not begin with \"BM\"");
    }
    BmpInfoHeader info;
    if (fread(&info, sizeof(info), 1, stream) != 1) {
        return willNotLoad(RC_BMP_BAD, "the info header is cut off");
    }
    unsigned char colours[BMP_COLOUR_TABLE_SIZE];
    if (fread(colours, sizeof(colours), 1, stream) != 1) {
        return willNotLoad(RC_PALETTE_LOAD_FAILED, "fewer than 1024 colour-table bytes follow");
    }
    uint32_t bfSize = littleEndian32(fileHeader + 2);
    uint32_t bfOffBits = littleEndian32(fileHeader + 10);
    ResultCode place = checkPixelPlace(stream, start, bfSize, bfOffBits);
    if (place != RC_SUCCESS) {
        return willNotLoad(place, pixelPlaceReason(place));
    }
    if (info.biWidth <= 0 || info.biHeight <= 0) {
        return willNotDraw("its width and height must be above 0 for a surface (a top-down "
                           "image's height is negative)");
    }
    if (!imageFitsBlocks(info, bfSize - bfOffBits)) {
        return willNotDraw("its header asks for more colours or pixel rows than it holds, or a "
                           "form GDI cannot size");
    }
    if (bfSize > entrySize) {
        return "the demo would read its pixels past the end of its entry, from whatever follows";
    }
    return "";
}
