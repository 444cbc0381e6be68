// The design data primitives through the DLL, as a host calls them.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

#include "kavoapi.h"

namespace {

TEST(VarbufExports, BadArgumentsGiveResultsNotCrashes)
{
    char buffer[16] = "";
    char out[8] = "x";
    float f = 1;
    int16_t s = 1;
    varbuf_date d = {1, 2, 3};
    EXPECT_EQ(qa_varbuf_write_sz(nullptr, "A", "1", 16), -2);
    EXPECT_EQ(qa_varbuf_write_sz(buffer, nullptr, "1", 16), -1);
    EXPECT_EQ(qa_varbuf_write_date(buffer, "A", nullptr, 16), 0);
    EXPECT_EQ(qa_varbuf_find_sz(nullptr, "A", out, sizeof out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(qa_varbuf_find_sz("A=1", nullptr, out, sizeof out), 0);
    EXPECT_EQ(qa_varbuf_find_flo(nullptr, "A", &f), 0);
    EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(qa_varbuf_find_sho("A=1", "A", nullptr), -1);
    EXPECT_EQ(qa_varbuf_find_sho("A=", "A", &s), -1);
    EXPECT_EQ(qa_varbuf_find_date("A=1.2.3", "A", nullptr), -1);
    EXPECT_EQ(qa_varbuf_find_date(nullptr, "A", &d), 0);
    EXPECT_EQ(d.day, 1);
}

TEST(VarbufExports, HostLocaleDoesNotChangeTheText)
{
    // The module's runtime is its own, but a host may switch the C locale of
    // the process's msvcrt: the texts must not follow it.
    std::setlocale(LC_ALL, "German");
    char buffer[32] = "";
    qa_varbuf_write_flo(buffer, "RH", 2.5f, 1, sizeof buffer);
    std::setlocale(LC_ALL, "C");
    EXPECT_STREQ(buffer, "RH=2.5");
}

} // namespace
