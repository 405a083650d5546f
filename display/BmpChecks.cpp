#include "display/BmpChecks.h"

#include "platform/fileStream.h"

namespace {

// Bytes of colour table GDI reads behind the header for this kind of image.
uint64_t colourTableBytes(const BmpInfoHeader &header) {
    if (header.biBitCount <= 8) {
        uint64_t most = uint64_t(1) << header.biBitCount;
        uint64_t used = header.biClrUsed ? header.biClrUsed : most;
        return 4 * (used > most ? used : most);
    }
    if (header.biCompression == BMP_BI_BITFIELDS)
        return 3 * sizeof(uint32_t);
    return 4 * uint64_t(header.biClrUsed);
}

// Bytes of pixel data GDI reads for this image, or UINT64_MAX when it cannot be known.
uint64_t pixelBytes(const BmpInfoHeader &header) {
    if (header.biCompression != BMP_BI_RGB && header.biCompression != BMP_BI_BITFIELDS)
        return header.biSizeImage ? header.biSizeImage : UINT64_MAX;
    switch (header.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return UINT64_MAX;
    }
    if (header.biWidth <= 0)
        return UINT64_MAX;
    uint64_t rowBytes = (uint64_t(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    int64_t rows = header.biHeight < 0 ? -int64_t(header.biHeight) : header.biHeight;
    return rowBytes * uint64_t(rows);
}

} // namespace

ResultCode checkPixelPlace(FILE *stream, int64_t start, uint32_t bfSize, uint32_t bfOffBits) {
    // Unchecked, bfSize - bfOffBits would wrap around to a request for almost 4 GB.
    if (bfSize <= bfOffBits)
        return RC_BITMAP_ALLOC_FAILED;
    int64_t pixelsAt = start + bfOffBits;
    if (start < 0 || pixelsAt > LARGEST_SEEK_POSITION)
        return RC_BAD_IMAGE_DATA;
    // The read would fail there anyway; refusing first spares a block of up to 4 GB.
    int64_t pixelBytes = bfSize - bfOffBits;
    if (pixelsAt + pixelBytes > streamLength(stream))
        return RC_BAD_IMAGE_DATA;
    return RC_SUCCESS;
}

bool imageFitsBlocks(const BmpInfoHeader &header, uint32_t bitsSize) {
    if (header.biSize < BMP_INFO_HEADER_SIZE || header.biSize > BMP_INFO_BLOCK_SIZE)
        return false;
    if (header.biSize + colourTableBytes(header) > BMP_INFO_BLOCK_SIZE)
        return false;
    return pixelBytes(header) <= bitsSize;
}
