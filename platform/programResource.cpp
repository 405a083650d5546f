#include "platform/programResource.h"

#include "platform/PlatformCalls.h"

namespace {

// A folder path that leaves GetTempFileNameW room for its "\PPPXXXX.tmp".
constexpr DWORD TEMPORARY_FOLDER_CAPACITY = MAX_PATH - 14;
constexpr const wchar_t *TEMPORARY_FILE_PREFIX = L"zor";
// "D": Windows deletes the file when the stream closes or the process ends; "T": it stays in the
// file cache, unwritten, while it fits.
constexpr const wchar_t *TEMPORARY_STREAM_MODE = L"w+bTD";

// The bytes and size of the program's RCDATA resource id; null when there is none. Windows keeps
// them mapped for as long as the program runs.
const void *resourceBytes(WORD id, DWORD &size) {
    HRSRC found = platform.FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found == nullptr ? nullptr : platform.LoadResource(nullptr, found);
    const void *bytes = loaded == nullptr ? nullptr : platform.LockResource(loaded);
    size = bytes == nullptr ? 0 : platform.SizeofResource(nullptr, found);
    return bytes;
}

// A new stream, open for reading and writing, on a file of its own in the temporary folder that
// goes when the stream does; null when none can be made.
FILE *temporaryStream() {
    wchar_t folder[TEMPORARY_FOLDER_CAPACITY];
    wchar_t path[MAX_PATH];
    DWORD length = platform.GetTempPathW(TEMPORARY_FOLDER_CAPACITY, folder);
    if (length == 0 || length >= TEMPORARY_FOLDER_CAPACITY ||
        platform.GetTempFileNameW(folder, TEMPORARY_FILE_PREFIX, 0, path) == 0) {
        return nullptr;
    }
    FILE *stream = _wfopen(path, TEMPORARY_STREAM_MODE);
    if (stream == nullptr) {
        _wremove(path); // the empty file GetTempFileNameW made
    }
    return stream;
}

} // namespace

// NOTE: Windows' C library makes no stream over memory (it has no fmemopen), and the data file's
// readers (the BMP loader, the tune's copy, wadtool) all read the one C stream it hands out. So
// the bytes go through a temporary file, and the reader takes them exactly as from disk.
ResultCode openProgramResource(WORD id, FILE *&stream) {
    stream = nullptr;
    DWORD size = 0;
    const void *bytes = resourceBytes(id, size);
    if (bytes == nullptr) {
        return RC_FILE_NOT_FOUND;
    }
    FILE *made = temporaryStream();
    if (made == nullptr) {
        return RC_FILE_CREATE_FAILED;
    }
    if (std::fwrite(bytes, 1, size, made) != size || std::fseek(made, 0, SEEK_SET) != 0) {
        std::fclose(made);
        return RC_FILE_CREATE_FAILED;
    }
    stream = made;
    return RC_SUCCESS;
}
