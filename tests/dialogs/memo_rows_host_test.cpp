// Memo rows through the exports, in both text forms.
#include <windows.h>

#include <gtest/gtest.h>

#include "kavoapi.h"

namespace {

TEST(MemoRowExports, BothFormsCutAlike)
{
    qat_memoinfo info;
    char row[16];
    qat_memoinfo_init(&info, "Wi Wi\r\nx", 10, 14);
    ASSERT_EQ(qat_getnextmemorow(&info, row, sizeof row), 1);
    EXPECT_STREQ(row, "Wi");
    ASSERT_EQ(qat_getnextmemorow(&info, row, sizeof row), 1);
    EXPECT_STREQ(row, "Wi");
    ASSERT_EQ(qat_getnextmemorow(&info, row, sizeof row), 1);
    EXPECT_STREQ(row, "x");
    EXPECT_EQ(qat_getnextmemorow(&info, row, sizeof row), 0);

    wchar_t wide[16];
    qat_memoinfo_init_wc(&info, L"Wi Wi\r\nx", 10, 14);
    EXPECT_EQ(info.length, 8);
    ASSERT_EQ(qat_getnextmemorow_wc(&info, wide, 16), 1);
    EXPECT_STREQ(wide, L"Wi");
    ASSERT_EQ(qat_getnextmemorow_wc(&info, wide, 16), 1);
    EXPECT_STREQ(wide, L"Wi");
    ASSERT_EQ(qat_getnextmemorow_wc(&info, wide, 16), 1);
    EXPECT_STREQ(wide, L"x");
    EXPECT_EQ(qat_getnextmemorow_wc(&info, wide, 16), 0);
}

} // namespace
