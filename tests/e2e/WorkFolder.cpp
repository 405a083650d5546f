#include "WorkFolder.h"

#include <windows.h>

#include "DemoProcess.h"
#include "support/WideText.h"

namespace {

// Deletes the files of folder (the tests make no subfolders).
void emptyFolder(const std::wstring &folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

std::string makeWorkFolder(const std::string &name) {
    std::string root = folderFromEnvironment("ZORV2_E2E_WORK_DIR");
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = root + "\\" + name;
    CreateDirectoryW(wideText(folder).c_str(), nullptr);
    emptyFolder(wideText(folder));
    return folder;
}
