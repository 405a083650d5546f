// Work folders of the end-to-end tests: fresh folders under the test's work directory; files
// in them are read and written with support/TestFiles.h.
#pragma once

#include <string>
#include <vector>

#include "support/TestFiles.h"

// A new, empty folder named name (UTF-8, any script) under ZORV2_E2E_WORK_DIR; returns its
// Windows path in UTF-8.
std::string makeWorkFolder(const std::string &name);
