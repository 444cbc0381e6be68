// Room, installation and the other sub-records of a design.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "codec_test_support.h"
#include "units/absorption.h"
#include "varbuf/utf_convert.h"

namespace {

using kavo_test::read_into;
using kavo_test::text_of;

const float kAverage[8] = {0.25f, 0.23f, 0.17f, 0.20f, 0.24f, 0.29f, 0.34f, 0.34f};

TEST(RoomCodec, DifferenceValuesOnlyAboveTheirThreshold)
{
    const struct {
        float rds, rdw;
        const char *present, *absent;
    } cases[] = {
        {0.04f, -0.06f, "RDW=-0.06", "RDS="},
        {-0.06f, 0.05f, "RDS=-0.06", "XXX"}, // 0.05 as a float is just above 0.05
        {0.0f, 0.0f, "RRT=", "RDS="},
    };
    for (const auto &c : cases) {
        room r = {};
        r.rds = c.rds;
        r.rdw = c.rdw;
        const std::string text = text_of(kavo::write_room, r);
        EXPECT_NE(text.find(c.present), std::string::npos) << text;
        EXPECT_EQ(text.find(c.absent), std::string::npos) << text;
    }
}

TEST(RoomCodec, ReaderDerivesSelectorsAndAbsorption)
{
    using Derived = std::tuple<int, int16_t, int16_t, int16_t, float, float>; // result, RCS, RCW, RAC, RA0, RA3
    const Derived average{1, 0, 0, 2, 0.25f, 0.20f};
    const struct {
        const char *text;
        Derived derived;
    } cases[] = {
        {"RRT=1", average},
        {"RRT=1|RDS=1.5", {1, 2, 0, 2, 0.25f, 0.20f}},
        {"RRT=1|RDS=1.5|RCS=0", average},
        {"RRT=1|RDS=1.5|RCS=x", average}, // present but bad: no derivation
        {"RRT=1|RDW=-0.5", {1, 0, 2, 2, 0.25f, 0.20f}},
        {"RRT=1|RDW=0.05", {1, 0, 2, 2, 0.25f, 0.20f}}, // 0.05 as a float is just above 0.05
        {"RRT=1|RAC=4|RA0=0.5", {1, 0, 0, 4, 0.5f, 0.0f}},
        {"RRT=1|RAC=bad", average},
        {"RNM=x", {0, 0, 0, 2, 0.25f, 0.20f}},
        {"RRT=", {-1, 0, 0, 2, 0.25f, 0.20f}},
    };
    for (const auto &c : cases) {
        room r;
        std::memset(&r, 0x33, sizeof r);
        const int result = read_into(r, c.text, kavo::read_room);
        EXPECT_EQ(Derived(result, r.rcs, r.rcw, r.rac, r.ra[0], r.ra[3]), c.derived) << c.text;
        const float last_band = std::get<3>(c.derived) == 2 ? 0.34f : 0.0f;
        EXPECT_EQ(std::make_tuple(+r.valid, +r.host1[79], +r.ra[7]), std::make_tuple(0, 0, last_band)) << c.text;
    }
}

TEST(AbsorptionClasses, ClassesOutsideTheTableLeaveTheOutputAlone)
{
    float out[8];
    std::fill(std::begin(out), std::end(out), 9.0f);
    kavo::absorption_class_coefficients(7, out);
    kavo::absorption_class_coefficients(-1, out);
    EXPECT_EQ(out[0], 9.0f);
    room r = {};
    kavo::room_default_absorption(r);
    EXPECT_EQ(+r.rac, 2);
    EXPECT_EQ(std::memcmp(r.ra, kAverage, sizeof kAverage), 0);
}

TEST(InstallationCodec, CountsBeyondTheArraysAreClamped)
{
    installation inst = {};
    inst.inr = 300;
    inst.inc = 20;
    inst.int_ = 40;
    inst.inv = 40;
    inst.inw = 40;
    for (int i = 0; i < 50; ++i) {
        inst.ir[i % 20] = 1;
        inst.ij[i] = 2;
    }
    inst.cfi = 1; // the field after IJ49
    const std::string text = text_of(kavo::write_installation, inst);
    EXPECT_NE(text.find("IR19=1"), std::string::npos);
    EXPECT_EQ(text.find("IR20"), std::string::npos);
    EXPECT_NE(text.find("IJ49=2"), std::string::npos);
    EXPECT_EQ(text.find("IJ50"), std::string::npos);
    installation negative = {};
    negative.inr = -1;
    negative.ir[0] = 5;
    EXPECT_EQ(text_of(kavo::write_installation, negative).find("IR0"), std::string::npos) << "a negative count writes none";

    installation back;
    EXPECT_EQ(read_into(back, (text + "|IJ50=9").c_str(), kavo::read_installation), 1);
    EXPECT_EQ(std::make_tuple(+back.ij[49], +back.cfi, +back.inr), std::make_tuple(2, 1, 300));
}

TEST(InstallationCodec, EveryRequiredKeyIsRequired)
{
    const char *required[] = {"IMP", "IIH", "INR", "INC", "ILN", "IVP", "IVL", "INT"};
    for (const char *missing : required) {
        std::string text;
        for (const char *key : required)
            if (key != missing)
                text += std::string(key) + "=1|";
        text += "IR0=4";
        for (const std::string &t : {text, text + "|" + missing + "=x"}) {
            SCOPED_TRACE(t);
            installation inst;
            std::memset(&inst, 0x44, sizeof inst);
            const int result = read_into(inst, t.c_str(), kavo::read_installation);
            EXPECT_EQ(std::make_tuple(result, +inst.ir[0], +inst.valid), std::make_tuple(0, 0, 0));
        }
    }
}

TEST(SurfacesCodec, NothingWithoutSinAndTheSharedCeilingKey)
{
    surfaces s = {};
    s.walls[2].wh = 3.0f;
    s.walls[3].ww = 1.5f; // the last wall
    EXPECT_EQ(text_of(kavo::write_surfaces, s), "");
    s.sin = 1;
    s.ceilings[1].cl = 2.5f;
    s.ceilings[1].cl2 = 7.5f;
    const std::string text = text_of(kavo::write_surfaces, s);
    EXPECT_NE(text.find("CL1=2.5|CW1=0.0|CT1=0|CA1=0.0|CS1=0.0|CL1=7.5|"), std::string::npos);
    EXPECT_NE(text.find("|WW3=1.5|"), std::string::npos);
    // The second CL1 is never read: the first answers.
    surfaces back;
    EXPECT_EQ(read_into(back, text.c_str(), kavo::read_surfaces), 0);
    EXPECT_EQ(std::make_tuple(+back.valid, +back.ceilings[1].cl2, +back.walls[2].wh), std::make_tuple(3, 2.5f, 3.0f));
    EXPECT_EQ(read_into(back, "SCH=1", kavo::read_surfaces), 0);
    EXPECT_EQ(std::make_tuple(+back.valid, +back.sch), std::make_tuple(0, 1));
}

TEST(OeCodec, UnsetStatesKeepTheirItemsOut)
{
    oe_data oe = {};
    const auto text = [&] { return text_of(kavo::write_oe_data, oe); };
    char scratch[64] = "";
    EXPECT_EQ(kavo::write_oe_data(oe, scratch, sizeof scratch), -1);
    EXPECT_STREQ(scratch, "");
    oe.eqv_state = 1;
    oe.eqv = 12.5f;
    oe.oad = 3;
    EXPECT_EQ(text(), "OAD=3.00|EQV=12.50|EAD=0.00");
    oe.edp_state = 1;
    oe.olr_state = 1;
    oe.or_[7] = 1;
    EXPECT_EQ(text(), "OAD=3.00|OLR=0.00|ORR=0.00|OCR=0.00|OR0=0.00|OR1=0.00|OR2=0.00|OR3=0.00|OR4=0.00|"
                      "OR5=0.00|OR6=0.00|OR7=1.00|EQV=12.50|EDP=0.00|EAD=0.00");
}

TEST(IdentityCodec, FullFieldWithoutNulIsWrittenAndCut)
{
    s_data back = {};
    EXPECT_EQ(text_of(kavo::write_s_data, back), "");
    EXPECT_EQ(read_into(back, "SID=x|SDW=1|SDH=1", kavo::read_s_data), 0);
    EXPECT_EQ(+back.sid[0], 0);

    // 21 characters fill the field without a NUL; more are cut.
    const std::string full = "SID=" + std::string(25, 'w') + "|SDW=1|SDH=1|SDL=1";
    EXPECT_EQ(read_into(back, full.c_str(), kavo::read_s_data), 1);
    EXPECT_EQ(std::make_tuple(+back.sid[20], +back.sdw), std::make_tuple(+u'w', 1));
    const std::string again = text_of(kavo::write_s_data, back);
    EXPECT_EQ(again.substr(0, 26), "SID=" + std::string(21, 'w') + "|");
}

// The platform's CP_UTF8 rules: one U+FFFD per lone surrogate and per
// maximal ill-formed part; a character that does not fit whole ends the text.
TEST(IdentityUtf, SurrogatesAndIllFormedBytesAsThePlatformConverts)
{
    const struct {
        std::u16string wide;
        const char *utf8;
    } to_utf8[] = {
        {u"\xD83D\xDE00", "\xF0\x9F\x98\x80"}, {u"\xDBFF\xDFFF", "\xF4\x8F\xBF\xBF"},
        {u"a\xD800", "a\xEF\xBF\xBD"},        {u"\xDFFF", "\xEF\xBF\xBD"},
        {u"\xD800\xE000", "\xEF\xBF\xBD\xEE\x80\x80"}, {u"\xD800\xDBFF\xDC00", "\xEF\xBF\xBD\xF4\x8F\xB0\x80"},
        {u"\x7F\x80\x7FF\x800\xD7FF", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF"},
    };
    for (const auto &c : to_utf8) {
        char out[32];
        const auto *units = reinterpret_cast<const uint16_t *>(c.wide.data());
        EXPECT_EQ(kavo::utf16_to_utf8(units, c.wide.size(), out, sizeof out), std::strlen(c.utf8));
        EXPECT_STREQ(out, c.utf8);
    }
    char small[5];
    EXPECT_EQ(kavo::utf16_to_utf8(reinterpret_cast<const uint16_t *>(u"a\u20ac"), 2, small, 4), 1u);
    EXPECT_EQ(kavo::utf16_to_utf8(reinterpret_cast<const uint16_t *>(u"a\u20ac"), 2, small, 5), 4u);

    const struct {
        const char *utf8;
        std::u16string wide;
    } to_utf16[] = {
        {"\xC0\xAF", u"\xFFFD\xFFFD"},         {"\xE0\x80\xAF", u"\xFFFD\xFFFD"}, // overlong
        {"\xED\xA0\x80", u"\xFFFD\xFFFD"},     {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD"},
        {"\xED\xBF\xBF", u"\xFFFD\xFFFD"}, // U+DFFF, the last surrogate
        {"a\xE2\x82", u"a\xFFFD"},             {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
        // The lowest and highest of each length and around the surrogates.
        {"\xF0\x90\x80\x80", u"\xD800\xDC00"}, {"\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80", u"\x0800\xD7FF\xE000"},
    };
    for (const auto &c : to_utf16) {
        uint16_t out[8] = {};
        const std::size_t n = kavo::utf8_to_utf16(c.utf8, out, 8);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(out), n), c.wide);
    }
    uint16_t one[1] = {7};
    uint16_t two[2] = {};
    EXPECT_EQ(kavo::utf8_to_utf16("\xF0\x9F\x98\x80", one, 1), 0u) << "half a pair is never written";
    EXPECT_EQ(kavo::utf8_to_utf16("\xF0\x9F\x98\x80", two, 2), 2u);
    EXPECT_EQ(kavo::utf8_to_utf16(nullptr, two, 2), 0u);
}

TEST(UCodec, SelectorBitsChooseThePairs)
{
    u_data u = {};
    u.uss = 32;
    u.ut1 = 1.375f;
    u.ut2 = 2;
    u.uv1 = 9; // a W pair
    EXPECT_EQ(text_of(kavo::write_u_data, u), "UT1=1.4|UT2=2.0|USS=32");
    u = {};
    u.usw = 2 | 16;
    u.uq1 = 0.04f; // prints as zero at 1 decimal
    u.uq2 = 0.05f;
    u.uw1 = 0.0004f;
    u.uw2 = 0.001f;
    u.um1 = 5;
    EXPECT_EQ(text_of(kavo::write_u_data, u), "UQ2=0.1|UW2=0.001|USW=18");
    u.usw = 0x100 | 2; // only the low byte counts
    u.uq2 = 0;
    EXPECT_EQ(text_of(kavo::write_u_data, u), "USW=258");

    u_data back;
    EXPECT_EQ(read_into(back, "USS=1|UC1=1|UC2=2|UQ1=3|UQ2=4|UM1=5|UM2=6|UT1=7|UT2=8|UC3=9|UW1=10|UV1=11",
                        kavo::read_u_data),
              1);
    EXPECT_EQ(+back.uss, 54);
    for (float v : {back.uc1, back.uc2, back.uq1, back.uq2, back.um1, back.um2, back.ut1, back.ut2})
        EXPECT_NE(v, 0.0f);
    for (float v : {back.uc3, back.uw1, back.uv1})
        EXPECT_EQ(v, 0.0f);
    EXPECT_EQ(read_into(back, "USW=0|UC1=1", kavo::read_u_data), 0);
}

} // namespace
