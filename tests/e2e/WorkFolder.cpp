#include "WorkFolder.h"

#include <windows.h>

#include "DemoProcess.h"

namespace {

// Deletes the files of folder (the tests make no subfolders).
void emptyFolder(const std::string &folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

} // namespace

std::string makeWorkFolder(const std::string &name) {
    std::string root = folderFromEnvironment("ZORV2_E2E_WORK_DIR");
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = root + "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    emptyFolder(folder);
    return folder;
}
