// Work folders of the end-to-end tests: fresh folders under the test's work directory.
#pragma once

#include <string>
#include <vector>

// A new, empty folder named name under ZORV2_E2E_WORK_DIR; returns its Windows path.
std::string makeWorkFolder(const std::string &name);

void writeFile(const std::string &path, const std::vector<char> &bytes);

std::vector<char> readFile(const std::string &path);
