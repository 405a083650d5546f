// Surface::loadBitmap: reads one BMP from a stream into two locked blocks of movable global
// memory, the info header with a 256-entry colour table, and the pixel data; and the check that
// such an image can be handed to GDI.
#include "display/BmpLoader.h"

#include <cstdint>
#include <cstring>

#include "display/Surface.h"
#include "platform/PlatformCalls.h"
#include "platform/readExactly.h"

namespace {

constexpr WORD BMP_SIGNATURE = 0x4D42; // "BM"

// A locked block of n bytes of movable global memory, or null when it cannot be had.
void *lockedBlock(SIZE_T bytes) {
    if (bytes == 0)
        return nullptr;
    HGLOBAL handle = platform.GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!handle)
        return nullptr;
    void *address = platform.GlobalLock(handle);
    if (!address)
        platform.GlobalFree(handle);
    return address;
}

// Gives back a block that lockedBlock handed out; nothing for null.
void releaseBlock(void *address) {
    if (!address)
        return;
    HGLOBAL handle = platform.GlobalHandle(address);
    platform.GlobalUnlock(handle);
    platform.GlobalFree(handle);
}

// Bytes of colour table GDI reads behind the header for this kind of image.
uint64_t colourTableBytes(const BITMAPINFOHEADER &header) {
    if (header.biBitCount <= 8) {
        uint64_t most = uint64_t(1) << header.biBitCount;
        uint64_t used = header.biClrUsed ? header.biClrUsed : most;
        return 4 * (used > most ? used : most);
    }
    if (header.biCompression == BI_BITFIELDS)
        return 3 * sizeof(DWORD);
    return 4 * uint64_t(header.biClrUsed);
}

// Bytes of pixel data GDI reads for this image, or UINT64_MAX when it cannot be known.
uint64_t pixelDataBytes(const BITMAPINFOHEADER &header) {
    if (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS)
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

ResultCode Surface::loadBitmap(FILE *stream) {
    releaseBlock(imageInfo);
    releaseBlock(imageBits);
    imageInfo = nullptr;
    imageBits = nullptr;
    imageBitsSize = 0;
    surface = nullptr; // ended with the DirectDraw object that made it
    width = 0;
    height = 0;

    if (!stream)
        return RC_FILE_NOT_FOUND;
    long start = std::ftell(stream);

    BITMAPFILEHEADER fileHeader;
    if (!readExactly(stream, &fileHeader, BMP_FILE_HEADER_SIZE))
        return RC_HEADER_INVALID;
    if (fileHeader.bfType != BMP_SIGNATURE)
        return RC_NOT_BMP;
    BITMAPINFOHEADER infoHeader;
    if (!readExactly(stream, &infoHeader, BMP_INFO_HEADER_SIZE))
        return RC_BMP_BAD;

    imageInfo = static_cast<BITMAPINFO *>(lockedBlock(BMP_INFO_BLOCK_SIZE));
    if (!imageInfo)
        return RC_BMP_INFO_ALLOC_FAILED;
    std::memset(imageInfo, 0, BMP_INFO_BLOCK_SIZE);
    std::memcpy(&imageInfo->bmiHeader, &infoHeader, BMP_INFO_HEADER_SIZE);
    if (!readExactly(stream, imageInfo->bmiColors, BMP_COLOUR_TABLE_SIZE))
        return RC_PALETTE_LOAD_FAILED;

    // A bfSize not above bfOffBits leaves no pixels; unchecked, the difference would wrap
    // around to a request for almost 4 GB, which a 64-bit process may well be granted.
    if (fileHeader.bfSize <= fileHeader.bfOffBits)
        return RC_BITMAP_ALLOC_FAILED;
    DWORD pixelBytes = fileHeader.bfSize - fileHeader.bfOffBits;
    imageBits = lockedBlock(pixelBytes);
    if (!imageBits)
        return RC_BITMAP_ALLOC_FAILED;
    imageBitsSize = pixelBytes;
    std::fseek(stream, start + static_cast<long>(fileHeader.bfOffBits), SEEK_SET);
    if (!readExactly(stream, imageBits, pixelBytes))
        return RC_BAD_IMAGE_DATA;

    width = imageInfo->bmiHeader.biWidth;
    height = imageInfo->bmiHeader.biHeight;
    return RC_SUCCESS;
}

bool imageFitsBlocks(const BITMAPINFOHEADER &header, DWORD bitsSize) {
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > BMP_INFO_BLOCK_SIZE)
        return false;
    if (header.biSize + colourTableBytes(header) > BMP_INFO_BLOCK_SIZE)
        return false;
    return pixelDataBytes(header) <= bitsSize;
}
