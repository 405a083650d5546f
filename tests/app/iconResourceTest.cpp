// The built program carries its icon as resource 101: two 32 x 32 images, 16 colours at 4 bits
// per pixel and 256 colours at 8.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include <windows.h>

#include "support/wineUnixPath.h"
#include "resources/resourceIds.h"

namespace {

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

std::string demoExecutablePath() {
    return wineUnixPath(std::string(std::getenv("ZORV2_DEMO_DIR")) + "/Zorv2Demo.exe");
}

TEST(IconResource, HoldsA16ColourAndA256ColourImageOf32By32) {
    HMODULE program =
        LoadLibraryExA(demoExecutablePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << demoExecutablePath();
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(IDI_APPLICATION_ICON), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr) << "no icon group 101";
    const auto *group = static_cast<const IconGroup *>(LockResource(LoadResource(program, found)));
    ASSERT_EQ(group->count, 2);

    std::set<std::pair<int, int>> colourCountAndBits;
    for (int i = 0; i < group->count; ++i) {
        const IconGroupEntry &entry = group->entries[i];
        EXPECT_EQ(entry.width, 32);
        EXPECT_EQ(entry.height, 32);
        colourCountAndBits.insert({entry.colourCount, entry.bitCount});
        EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(entry.id), RT_ICON), nullptr);
    }
    EXPECT_EQ(colourCountAndBits, (std::set<std::pair<int, int>>{{16, 4}, {0, 8}}));
    FreeLibrary(program);
}

TEST(IconResource, LoadsAsTheSystemSizeIcon) {
    HMODULE program =
        LoadLibraryExA(demoExecutablePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    HICON icon = static_cast<HICON>(
        LoadImageA(program, MAKEINTRESOURCEA(IDI_APPLICATION_ICON), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
    FreeLibrary(program);
}

} // namespace
