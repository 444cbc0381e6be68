// Memory blocks and growable arrays, white-box: they are internal, but hosts
// free what they hand out with the global-memory calls, so those must fit.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "util/module_state.h"
#include "util/gwmem.h"

using namespace kavo;

namespace {

std::vector<std::pair<int32_t, std::string>> reports;

void record_report(int32_t code, const char *text)
{
    reports.emplace_back(code, text);
}

class MemoryBlocks : public ::testing::Test {
protected:
    void SetUp() override
    {
        reports.clear();
        module_state().errorHook = record_report;
    }
    void TearDown() override { module_state().errorHook = nullptr; }
};

TEST_F(MemoryBlocks, BlocksAreLockedMovableGlobalMemory)
{
    void *block = gwGmalloc(16, 0);
    ASSERT_NE(block, nullptr);
    HGLOBAL handle = GlobalHandle(block);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(GlobalSize(handle), 16u);
    EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 1u);
    EXPECT_EQ(gwGfree(block), nullptr);

    void *fresh = gwGrealloc(nullptr, 16, 0); // as gwGmalloc
    ASSERT_NE(fresh, nullptr);
    std::memcpy(fresh, "0123456789abcdef", 16);
    void *grown = gwGrealloc(fresh, 4096, 0);
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(std::memcmp(grown, "0123456789abcdef", 16), 0);
    EXPECT_EQ(GlobalSize(GlobalHandle(grown)), 4096u);
    gwGfree(grown);
    EXPECT_EQ(gwGfree(nullptr), nullptr);
    EXPECT_TRUE(reports.empty());
}

TEST_F(MemoryBlocks, ZeroFilledBlockWithHandle)
{
    HGLOBAL handle = nullptr;
    unsigned char *block = static_cast<unsigned char *>(gwGmallocH(64, &handle));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalHandle(block), handle);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(block[i], 0);
    gwGfree(block);
}

TEST_F(MemoryBlocks, FailuresAreReportedThroughTheHook)
{
    EXPECT_EQ(gwGmalloc(-1, 7), nullptr);
    HGLOBAL handle = nullptr;
    EXPECT_EQ(gwGmallocH(-1, &handle), nullptr);
    void *block = gwGmalloc(8, 0);
    EXPECT_EQ(gwGrealloc(block, -1, 9), nullptr);
    // The old block stays allocated, unlocked.
    HGLOBAL old = GlobalHandle(block);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(GlobalFlags(old) & GMEM_LOCKCOUNT, 0u);
    GlobalFree(old);

    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0], std::make_pair(-2, std::string("gwGmalloc() out of memory (7)")));
    EXPECT_EQ(reports[1], std::make_pair(-2, std::string("Out of memory gwGmallocH() (1)")));
    EXPECT_EQ(reports[2], std::make_pair(-2, std::string("gwGrealloc() out of memory (9)")));

    module_state().errorHook = nullptr;
    EXPECT_EQ(report(-5, "silent"), -5);
}

TEST_F(MemoryBlocks, ArraysGrowInOrder)
{
    struct Element {
        char bytes[12];
    };
    gwarray array{};
    array.elemSize = sizeof(Element);
    for (char c : {'a', 'b', 'c'}) {
        Element e;
        std::memset(e.bytes, c, sizeof e.bytes);
        ASSERT_EQ(gwarray_append(&array, &e), 0);
    }
    EXPECT_EQ(array.count, 3);
    EXPECT_EQ(GlobalSize(GlobalHandle(array.data)), 36u);
    const char *bytes = static_cast<const char *>(array.data);
    EXPECT_EQ(bytes[0], 'a');
    EXPECT_EQ(bytes[12], 'b');
    EXPECT_EQ(bytes[35], 'c');
    gwGfree(array.data);
}

TEST_F(MemoryBlocks, AFailedAppendEmptiesTheArray)
{
    gwarray array{};
    std::vector<char> element(0x100, 'x');
    array.elemSize = 0x100;
    ASSERT_EQ(gwarray_append(&array, element.data()), 0);
    array.elemSize = 0x7fffffff; // two of these cannot be had
    EXPECT_EQ(gwarray_append(&array, element.data()), -2);
    EXPECT_EQ(array.data, nullptr);
    EXPECT_EQ(array.count, 0);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().second, "gwarray_append() out of memory");
}

TEST_F(MemoryBlocks, TextArrayTakesNoNullAndIsFreedByTheHostBlockByBlock)
{
    gwarray texts{};
    texts.elemSize = sizeof(char *);
    EXPECT_EQ(gwszarray_append(&texts, nullptr), -1);
    EXPECT_EQ(texts.count, 0);
    ASSERT_EQ(gwszarray_append(&texts, "first"), 0);
    ASSERT_EQ(gwszarray_append(&texts, ""), 0);
    ASSERT_EQ(texts.count, 2);
    char **items = static_cast<char **>(texts.data);
    EXPECT_STREQ(items[0], "first");
    EXPECT_STREQ(items[1], "");
    // A host frees every text block, then the data block.
    for (int i = 0; i < texts.count; ++i)
        GlobalFree(GlobalHandle(items[i]));
    GlobalFree(GlobalHandle(texts.data));

    gwarray wrong{};
    wrong.elemSize = 3;
    EXPECT_EQ(gwszarray_append(&wrong, "x"), -1);
}

TEST_F(MemoryBlocks, WideTextCopiesHaveSpare)
{
    wchar_t *copy = wsz_dup(L"S\u00e4\u00e4t\u00f6");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, L"S\u00e4\u00e4t\u00f6");
    free(copy);
    EXPECT_EQ(wsz_dup(nullptr), nullptr);
}

} // namespace
