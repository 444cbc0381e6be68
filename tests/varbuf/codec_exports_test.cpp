// The record codecs through the DLL, as a host calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "kavoapi.h"

namespace {

std::unique_ptr<designdata> new_design()
{
    auto d = std::make_unique<designdata>();
    std::memset(d.get(), 0, sizeof *d);
    std::strcpy(d->design_id, "D1");
    return d;
}

TEST(CodecExports, NullRecordsAndTextsGiveResults)
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
    auto d = new_design();
    EXPECT_EQ(qa_varbuf_read_designdata(d.get(), nullptr), 0);
    EXPECT_EQ(qa_varbuf_write_designdata(d.get(), nullptr, 100), -1);
    qa_varbuf_read_drawingdata(nullptr, "T", "PDR=1");
    qa_varbuf_write_drawingdata(nullptr, text, sizeof text);
    EXPECT_EQ(qa_get_propar(nullptr, 1, "P", text), -1);
    qa_set_propar(nullptr, nullptr, "P", "1");
    EXPECT_EQ(qa_varbuf_write_md_params(d.get(), nullptr), -1);
    EXPECT_EQ(qa_is_accessory_set(nullptr, "A"), 0);
    EXPECT_EQ(qa_is_accessory_set_sz(nullptr, "A"), 0);
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

TEST(CodecExports, ParametersThroughTheHostsRecords)
{
    auto d = new_design();
    // The count of a design sits at an odd offset: the set must manage.
    qa_set_propar(d->propar, &d->propar_count, "P1", "2");
    qa_set_propar(d->propar, &d->propar_count, "P2", "1200");
    std::memset(d->accessories, 'A', sizeof d->accessories); // no NUL
    char text[1024];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(qa_varbuf_write_params(d.get(), text, 600), 0);
    EXPECT_EQ(std::strlen(text), std::strlen("P1=2|P2=1200|AC=") + sizeof d->accessories - 1);
    EXPECT_EQ(qa_varbuf_write_params(d.get(), text, 200), -2);
    EXPECT_STREQ(text, "P1=2|P2=1200");

    char value[11] = "";
    EXPECT_EQ(qa_get_propar(d->propar, d->propar_count, "p2", value), 0);
    EXPECT_STREQ(value, "1200");
    EXPECT_EQ(qa_varbuf_write_md_params(d.get(), "K1=1,AC=X1,Y2"), 0);
    EXPECT_EQ(+d->propar_count, 1);
    EXPECT_EQ(qa_is_accessory_set(d.get(), "X1"), 1);
    EXPECT_EQ(qa_is_accessory_set(d.get(), "Y2"), 0);

    EXPECT_EQ(qa_varbuf_write_params_ex(d->propar, "", 0xFFFF, text, sizeof text), 0); // count -1
    EXPECT_STREQ(text, "");
    beam_module b = {};
    EXPECT_EQ(qa_varbuf_write_bm_params(&b, text, sizeof text), -1);

    // The join trusts the caller's out: exactly the texts, two commas, a NUL.
    const char *first = "P1=2,P2=1200", *second = "P3=4", *third = "AC=A1,B2";
    std::vector<char> out(std::strlen(first) + std::strlen(second) + std::strlen(third) + 3, 'x');
    qa_ext_params_to_szv(first, second, third, out.data());
    EXPECT_STREQ(out.data(), "P1=2|P2=1200|P3=4|AC=A1,B2");
    EXPECT_EQ(qa_find_ext_param_value(first, second, third, "P3", value, sizeof value), 1);
    EXPECT_STREQ(value, "4");
}

// The identity text travels as UTF-8 exactly as the platform converts it.
TEST(CodecExports, IdentityTextMatchesThePlatformConversion)
{
    const std::vector<std::u16string> sids = {u"\u00c5re", u"\U0001F600x", u"a\xd800", u"\xdc00z", u"\xd800\xd800",
                                              std::u16string(21, u'\u20ac')};
    for (const std::u16string &sid : sids) {
        auto d = new_design();
        std::memcpy(d->s_data.sid, sid.data(), sid.size() * 2);
        char text[512] = "";
        qa_varbuf_write_designdata(d.get(), text, sizeof text);
        char expected[128] = "";
        std::wstring wide(sid.begin(), sid.end());
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), expected, sizeof expected,
                            nullptr, nullptr);
        EXPECT_EQ(std::string(text).substr(0, std::strlen(expected) + 5), "SID=" + std::string(expected) + "|");
    }
}

// Every short byte sequence of the interesting kinds (ASCII, continuation
// bytes of each range, every kind of lead) reads as the platform converts.
TEST(CodecExports, IdentityTextReadsAsThePlatformConverts)
{
    const unsigned char bytes[] = {0x41, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0,
                                   0xE1, 0xED, 0xEF, 0xF0, 0xF1, 0xF4, 0xF5, 0xF7, 0xF8, 0xFF};
    std::vector<std::string> texts = {"\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf", "\xf4\x90\x80\x80", "\xe2\x82\xac!"};
    for (unsigned char a : bytes)
        for (unsigned char b : bytes)
            for (unsigned char c : bytes)
                texts.push_back(std::string{char(a), char(b), char(c)});
    auto d = new_design();
    int mismatches = 0;
    for (const std::string &utf8 : texts) {
        const std::string text = "SID=" + utf8 + "|SDW=1|SDH=1|SDL=1";
        qa_varbuf_read_designdata(d.get(), text.c_str());
        wchar_t expected[32] = {};
        MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, expected, 32);
        std::u16string got(reinterpret_cast<const char16_t *>(d->s_data.sid), 21);
        got.resize(got.find(u'\0') == std::u16string::npos ? 21 : got.find(u'\0'));
        if (got != std::u16string(reinterpret_cast<const char16_t *>(expected)) && ++mismatches < 40)
            ADD_FAILURE() << "bytes " << testing::PrintToString(utf8) << " read differently";
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(CodecExports, ModulesAddedThroughTheDll)
{
    auto d = new_design();
    const char *room_and_beam = "RRT=1|IMP=1|IIH=2|INR=2|INC=1|ILN=0|IVP=0|IVL=0|INT=0|BQ1=8|BT1=1|BP1=1";
    EXPECT_EQ(qa_varbuf_beam_module_to_designdata(d.get(), 1, 1, "", "C", room_and_beam), 1);
    EXPECT_EQ(+d->summary.q_unit, 4.0f);
    EXPECT_EQ(qa_varbuf_beam_module_to_designdata(d.get(), 0, 0, nullptr, "C", room_and_beam), 1);
    EXPECT_EQ(+d->module_count, 2);
    EXPECT_EQ(qa_varbuf_panel_module_to_designdata(d.get(), 1, 0, "P", "PQ5=1|PT6=1|PT7=1|PQ6=1|PCW=1"), 1);
    EXPECT_STREQ(d->panels[0].w_tag, "P");
    EXPECT_EQ(+d->module_count, 1);
}

} // namespace
