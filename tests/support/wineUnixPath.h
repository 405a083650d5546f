// wineUnixPath: a Unix path (as the build and ctest hand them to the tests) as a Windows path
// that a program under Wine can open.
#pragma once

#include <string>

// Wine shows the Unix root as drive Z:, with backslashes between the names.
inline std::string wineUnixPath(const std::string &unixPath) {
    std::string path = "Z:" + unixPath;
    for (char &c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}
