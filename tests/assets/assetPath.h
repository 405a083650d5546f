// assetPath: where the committed assets are, as a Windows path that Wine understands.
#pragma once

#include <string>

#include "support/wineUnixPath.h"

// The build passes the source tree's assets folder as a Unix path.
inline std::string assetPath(const char *name) {
    return wineUnixPath(std::string(ZORV2_ASSETS_DIR) + "/" + name);
}
