// assetPath: where the committed assets are, as a Windows path that Wine understands.
#pragma once

#include <string>

// The build passes the source tree's assets folder as a Unix path; Wine shows the Unix root as
// drive Z:.
inline std::string assetPath(const char *name) {
    std::string path = std::string("Z:") + ZORV2_ASSETS_DIR + "/" + name;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path;
}
