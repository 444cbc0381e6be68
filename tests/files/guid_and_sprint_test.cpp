#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "kavoapi.h"

namespace {

TEST(CreateGuid, ThirtyTwoUpperCaseHexDigits)
{
    std::set<std::string> seen;
    for (int i = 0; i < 20; ++i) {
        char out[33];
        std::memset(out, 'q', sizeof out);
        ASSERT_EQ(qa_create_guid(out), 0);
        ASSERT_EQ(std::strlen(out), 32u);
        for (const char c : std::string(out))
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << out;
        seen.insert(out);
    }
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(qa_create_guid(nullptr), -1);
}

TEST(SmartSprint, BothFormsThroughTheDll)
{
    char out[32];
    wchar_t wide[32];
    EXPECT_EQ(qa_smart_sprint(out, sizeof out, -0.0004, 2), 1);
    EXPECT_STREQ(out, "0");
    EXPECT_EQ(qa_smart_sprintw(wide, 32, 2.5, 4), 3);
    EXPECT_STREQ(wide, L"2.5");
    EXPECT_EQ(qa_smart_sprint(out, 3, 1234.5, 1), 2); // cut to the buffer
    EXPECT_STREQ(out, "12");
}

} // namespace
