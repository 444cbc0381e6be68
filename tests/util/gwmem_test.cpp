// Failures of the memory blocks and arrays reach their callers as null and
// codes (no report text is seen: the module sets no error hook).  Blocks that
// hosts free, and arrays that grow, are seen through the language list.
#include <gtest/gtest.h>

#include <vector>

#include "util/gwmem.h"

using namespace kavo;

namespace {

TEST(MemoryBlocks, FailuresGiveNullOrTheirCodeAndLeaveNoBlockLockedOrHalfGrown)
{
    HGLOBAL handle = nullptr;
    EXPECT_EQ(gwGmalloc(-1, 7), nullptr);
    EXPECT_EQ(gwGmallocH(-1, &handle), nullptr);
    EXPECT_EQ(handle, nullptr);
    void *block = gwGmalloc(8, 0);
    EXPECT_EQ(gwGrealloc(block, -1, 9), nullptr);
    HGLOBAL old = GlobalHandle(block);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(GlobalFlags(old) & GMEM_LOCKCOUNT, 0u) << "the caller can still free the old block";
    GlobalFree(old);

    gwarray array{};
    std::vector<char> element(0x100, 'x');
    array.elemSize = 0x100;
    ASSERT_EQ(gwarray_append(&array, element.data()), 0);
    array.elemSize = 0x7fffffff; // two of these cannot be had
    EXPECT_EQ(gwarray_append(&array, element.data()), kOutOfMemory);
    EXPECT_EQ(array.data, nullptr) << "a failed append empties the array";
    EXPECT_EQ(array.count, 0);
    array.elemSize = 3;
    EXPECT_EQ(gwszarray_append(&array, "x"), -1) << "a text array holds pointers";
}

} // namespace
