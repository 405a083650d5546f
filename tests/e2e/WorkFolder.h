// Work folders of the end-to-end tests: fresh folders under the test's work directory, and a
// temporary folder of the test's choosing for the programs it starts; files in them are read and
// written with support/TestFiles.h.
#pragma once

#include <string>
#include <vector>

#include "support/TestFiles.h"

// A new, empty folder named name (UTF-8, any script) under ZORV2_E2E_WORK_DIR; returns its
// Windows path in UTF-8.
std::string makeWorkFolder(const std::string &name);

// Sets TMP and TEMP (folder in UTF-8) for the processes this one starts, as a user's profile
// does, and puts the old values back after.
class TemporaryFolderOverride {
  public:
    explicit TemporaryFolderOverride(const std::string &folder);
    ~TemporaryFolderOverride();

  private:
    static constexpr const wchar_t *NAMES[2] = {L"TMP", L"TEMP"};
    bool had[2];
    std::wstring old[2];
};
