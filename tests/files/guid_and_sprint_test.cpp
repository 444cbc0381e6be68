#include <gtest/gtest.h>

#include <string>

#include "kavoapi.h"

namespace {

TEST(CreateGuid, ThirtyTwoUpperCaseHexDigitsNewEachTime)
{
    char first[33], second[33];
    ASSERT_EQ(qa_create_guid(first), 0);
    ASSERT_EQ(qa_create_guid(second), 0);
    EXPECT_EQ(std::string(first).find_first_not_of("0123456789ABCDEF"), std::string::npos) << first;
    EXPECT_EQ(std::string(first).size(), 32u);
    EXPECT_STRNE(first, second);
    EXPECT_EQ(qa_create_guid(nullptr), -1);
}

TEST(SmartSprint, BothFormsReachTheFormatterAndStopAtTheBuffer)
{
    char out[3];
    wchar_t wide[32];
    EXPECT_EQ(qa_smart_sprintw(wide, 32, 2.5, 4), 3);
    EXPECT_STREQ(wide, L"2.5");
    EXPECT_EQ(qa_smart_sprint(out, sizeof out, 1234.5, 1), 2);
    EXPECT_STREQ(out, "12");
}

} // namespace
