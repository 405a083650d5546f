// The pixel-place check shared by the BMP loader and wadtool verify.
#include "display/checkPixelPlace.h"

namespace {

// fseek takes a long, which is 32 bits on Windows: no position beyond this can be sought there.
constexpr int64_t LARGEST_SEEK = 0x7FFFFFFF;

// The length of the stream, leaving it where it was; -1 when it cannot be measured.
int64_t streamLength(FILE *stream) {
    long position = std::ftell(stream);
    if (position < 0 || std::fseek(stream, 0, SEEK_END) != 0)
        return -1;
    long length = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    return length;
}

} // namespace

ResultCode checkPixelPlace(FILE *stream, int64_t start, uint32_t bfSize, uint32_t bfOffBits) {
    // Unchecked, bfSize - bfOffBits would wrap around to a request for almost 4 GB.
    if (bfSize <= bfOffBits)
        return RC_BITMAP_ALLOC_FAILED;
    int64_t pixelsAt = start + bfOffBits;
    if (start < 0 || pixelsAt > LARGEST_SEEK)
        return RC_BAD_IMAGE_DATA;
    // The read would fail there anyway; refusing first spares a block of up to 4 GB.
    int64_t pixelBytes = bfSize - bfOffBits;
    if (pixelsAt + pixelBytes > streamLength(stream))
        return RC_BAD_IMAGE_DATA;
    return RC_SUCCESS;
}
