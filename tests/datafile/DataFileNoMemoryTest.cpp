// DataFile::open when the directory's array cannot be had: the result is 547 and the directory
// stays empty. The test program replaces the nothrow array allocation to make it fail on demand.
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "DataFileTest.h"

namespace {
bool failNothrowArrays = false;
}

// The one allocation function the reader uses; plain malloc otherwise, which the library's
// operator delete[] releases with free.
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept {
    if (failNothrowArrays) {
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

TEST_F(DataFileTest, DirectoryArrayThatCannotBeHadIsNoMemory) {
    DataFileImage image = twoEntryImage();
    failNothrowArrays = true;
    ResultCode rc = open(image);
    failNothrowArrays = false;
    EXPECT_EQ(rc, RC_DIRECTORY_NO_MEMORY) << std::hex << "0x" << rc;
    EXPECT_NE(dataFile.stream, nullptr);
    EXPECT_EQ(dataFile.entries, nullptr);
    EXPECT_EQ(dataFile.entryCount, 0u);
    EXPECT_EQ(dataFile.find("one"), nullptr);
}

TEST_F(DataFileTest, DirectoryArrayComesFromTheNothrowAllocation) {
    ASSERT_EQ(open(twoEntryImage()), RC_SUCCESS);
    EXPECT_EQ(dataFile.sizeOf("two"), 5);
}
