#include "display/BmpLoader.h"

#include <cstdint>
#include <cstring>

#include "display/Surface.h"
#include "platform/PlatformCalls.h"
#include "platform/fileStream.h"

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

    ResultCode place = checkPixelPlace(stream, start, fileHeader.bfSize, fileHeader.bfOffBits);
    if (place != RC_SUCCESS)
        return place;
    DWORD pixelBytes = fileHeader.bfSize - fileHeader.bfOffBits;
    imageBits = lockedBlock(pixelBytes);
    if (!imageBits)
        return RC_BITMAP_ALLOC_FAILED;
    imageBitsSize = pixelBytes;
    // NOTE: Wine's msvcrt once failed a seek past the end of its buffer without a word, so the
    // seek's result is checked; checkPixelPlace made sure the position fits the long that fseek
    // takes, 32 bits on Windows.
    if (std::fseek(stream, start + long(fileHeader.bfOffBits), SEEK_SET) != 0 ||
        !readExactly(stream, imageBits, pixelBytes))
        return RC_BAD_IMAGE_DATA;

    width = imageInfo->bmiHeader.biWidth;
    height = imageInfo->bmiHeader.biHeight;
    return RC_SUCCESS;
}
