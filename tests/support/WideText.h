// WideText: the tests' texts in UTF-8, turned into the wide characters of the W calls and back,
// and whole files read from a path in wide characters.
#pragma once

#include <cstdio>
#include <string>

#include <windows.h>

#include "support/TestFiles.h"

inline std::wstring wideText(const std::string &utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    wide.data(), static_cast<int>(wide.size())));
    return wide;
}

inline std::string utf8Text(const std::wstring &wide) {
    std::string utf8(wide.size() * 4, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

// The whole content of the file at path; empty when it cannot be opened.
inline std::string readFileAt(const std::wstring &path) {
    return readAndClose(_wfopen(path.c_str(), L"rb"));
}
