// Failures of the memory blocks and growable arrays: each reaches the error
// hook once, with the text that names the caller, and leaves no block locked.
// (Blocks hosts free, and arrays growing in order, are seen through the
// language list a host reads, and clipboard blocks through the clipboard.)
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "util/gwmem.h"
#include "util/module_state.h"

using namespace kavo;

namespace {

std::vector<std::pair<int32_t, std::string>> reports;

void record_report(int32_t code, const char *text) { reports.emplace_back(code, text); }

TEST(MemoryBlocks, FailuresReachTheHookWithTheirCallerAndLeaveNoBlockLocked)
{
    module_state().errorHook = record_report;
    HGLOBAL handle = nullptr;
    EXPECT_EQ(gwGmalloc(-1, 7), nullptr);
    EXPECT_EQ(gwGmallocH(-1, &handle), nullptr);
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
    module_state().errorHook = nullptr;

    const std::vector<std::pair<int32_t, std::string>> expected = {
        {-2, "gwGmalloc() out of memory (7)"},
        {-2, "Out of memory gwGmallocH() (1)"},
        {-2, "gwGrealloc() out of memory (9)"},
        {-2, "gwarray_append() out of memory"},
    };
    EXPECT_EQ(reports, expected);
}

} // namespace
