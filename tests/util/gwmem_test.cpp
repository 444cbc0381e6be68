// Memory blocks and growable arrays: hosts free what the module hands out
// with the global-memory calls, and a failure reaches the error hook once,
// with the text that names the caller.  (Arrays growing in order are seen
// through the language list a host reads.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "util/gwmem.h"
#include "util/module_state.h"

using namespace kavo;

namespace {

std::vector<std::pair<int32_t, std::string>> reports;

void record_report(int32_t code, const char *text) { reports.emplace_back(code, text); }

class MemoryBlocks : public ::testing::Test {
protected:
    void SetUp() override
    {
        reports.clear();
        module_state().errorHook = record_report;
    }
    void TearDown() override { module_state().errorHook = nullptr; }
};

TEST_F(MemoryBlocks, BlocksAreLockedGlobalMemoryThatKeepsItsBytesWhenGrown)
{
    HGLOBAL handle = nullptr;
    auto *zeroed = static_cast<unsigned char *>(gwGmallocH(64, &handle));
    ASSERT_NE(zeroed, nullptr);
    EXPECT_EQ(GlobalHandle(zeroed), handle);
    EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 1u);
    EXPECT_EQ(std::count(zeroed, zeroed + 64, 0), 64);
    gwGfree(zeroed);

    void *fresh = gwGrealloc(nullptr, 16, 0);
    ASSERT_NE(fresh, nullptr);
    std::memcpy(fresh, "0123456789abcdef", 16);
    void *grown = gwGrealloc(fresh, 4096, 0);
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(std::memcmp(grown, "0123456789abcdef", 16), 0);
    EXPECT_EQ(GlobalSize(GlobalHandle(grown)), 4096u);
    EXPECT_EQ(gwGfree(grown), nullptr);
    EXPECT_TRUE(reports.empty());
}

TEST_F(MemoryBlocks, FailuresReachTheHookWithTheirCallerAndLeaveTheOldBlockUnlocked)
{
    HGLOBAL handle = nullptr;
    EXPECT_EQ(gwGmalloc(-1, 7), nullptr);
    EXPECT_EQ(gwGmallocH(-1, &handle), nullptr);
    void *block = gwGmalloc(8, 0);
    EXPECT_EQ(gwGrealloc(block, -1, 9), nullptr);
    HGLOBAL old = GlobalHandle(block);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(GlobalFlags(old) & GMEM_LOCKCOUNT, 0u);
    GlobalFree(old);

    gwarray array{};
    std::vector<char> element(0x100, 'x');
    array.elemSize = 0x100;
    ASSERT_EQ(gwarray_append(&array, element.data()), 0);
    array.elemSize = 0x7fffffff; // two of these cannot be had
    EXPECT_EQ(gwarray_append(&array, element.data()), kOutOfMemory);
    EXPECT_EQ(array.data, nullptr) << "a failed append empties the array";
    EXPECT_EQ(array.count, 0);
    array.elemSize = sizeof(char *);
    EXPECT_EQ(gwszarray_append(&array, nullptr), -1);
    array.elemSize = 3;
    EXPECT_EQ(gwszarray_append(&array, "x"), -1) << "a text array holds pointers";

    const std::vector<std::pair<int32_t, std::string>> expected = {
        {-2, "gwGmalloc() out of memory (7)"},
        {-2, "Out of memory gwGmallocH() (1)"},
        {-2, "gwGrealloc() out of memory (9)"},
        {-2, "gwarray_append() out of memory"},
    };
    EXPECT_EQ(reports, expected);
    module_state().errorHook = nullptr;
    EXPECT_EQ(report(-5, "silent"), -5);
}

} // namespace
