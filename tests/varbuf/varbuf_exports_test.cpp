// The design data exports as a host calls them: missing records, the host's
// locale, the 32-bit signatures and the ends of the host's records and buffers.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "kavoapi.h"

namespace {

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

TEST(CodecExports, NullRecordsAndTextsGiveResultsNotCrashes)
{
    char text[64] = "";
    room r = {};
    EXPECT_EQ(qa_varbuf_read_room(nullptr, "RRT=1"), 0);
    EXPECT_EQ(qa_varbuf_read_room(&r, nullptr), 0);
    EXPECT_EQ(+r.rac, 2);
    EXPECT_EQ(qa_varbuf_write_room(nullptr, text, sizeof text), -2);
    EXPECT_EQ(qa_varbuf_read_installation(nullptr, "IMP=1"), 0);
    EXPECT_EQ(qa_varbuf_read_designdata(nullptr, "RRT=1"), 0);
    EXPECT_EQ(qa_varbuf_write_designdata(nullptr, text, sizeof text), -1);
    static designdata d;
    EXPECT_EQ(qa_varbuf_read_designdata(&d, nullptr), 0);
    EXPECT_EQ(qa_varbuf_write_designdata(&d, nullptr, 100), -1);
    qa_varbuf_read_drawingdata(nullptr, "T", "PDR=1");
    qa_varbuf_write_drawingdata(nullptr, text, sizeof text);
    EXPECT_EQ(qa_varbuf_write_params(nullptr, text, sizeof text), -2);
    EXPECT_EQ(qa_varbuf_write_md_params(&d, nullptr), -1);
    EXPECT_EQ(qa_is_accessory_set(nullptr, "A"), 0);
}

TEST(CodecExports, CaseFlagsUseTheirLow16Bits)
{
    beam_module b = {};
    b.s1_state = 3;
    b.bq1 = 1;
    char text[512] = "";
    // Through a pointer of the 32-bit signature: high bits set, low bits 0.
    using WriteBeam = int32_t(WINAPI *)(const beam_module *, int32_t, int32_t, char *, int32_t);
    auto write_beam = reinterpret_cast<WriteBeam>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("KavoApi.dll"), "qa_varbuf_write_beam")));
    ASSERT_NE(write_beam, nullptr);
    EXPECT_EQ(write_beam(&b, 0x10000, 0, text, sizeof text), 0);
    EXPECT_EQ(std::string(text).find("BQ1"), std::string::npos);
    text[0] = 0;
    EXPECT_EQ(qa_varbuf_write_beam(&b, 1, 0, text, sizeof text), 0);
    EXPECT_NE(std::string(text).find("BQ1=1.00"), std::string::npos);
}

TEST(CodecExports, ParametersStayInsideTheHostsRecordsAndBuffers)
{
    static designdata d;
    // The count of a design sits at an odd offset: the set must manage.
    qa_set_propar(d.propar, &d.propar_count, "P1", "2");
    std::memset(d.accessories, 'A', sizeof d.accessories); // no NUL
    char text[1024];
    EXPECT_EQ(qa_varbuf_write_params(&d, text, sizeof text), 0);
    EXPECT_EQ(std::strlen(text), std::strlen("P1=2|AC=") + sizeof d.accessories - 1);
    EXPECT_EQ(qa_varbuf_write_params_ex(d.propar, "", 0xFFFF, text, sizeof text), 0); // count -1
    EXPECT_STREQ(text, "");

    // The join trusts the caller's out: exactly the texts, two bars, a NUL.
    const char *first = "P1=2,P2=1200", *second = "P3=4", *third = "AC=A1,B2";
    std::vector<char> out(std::strlen(first) + std::strlen(second) + std::strlen(third) + 3, 'x');
    qa_ext_params_to_szv(first, second, third, out.data());
    EXPECT_STREQ(out.data(), "P1=2|P2=1200|P3=4|AC=A1,B2");
}

} // namespace
