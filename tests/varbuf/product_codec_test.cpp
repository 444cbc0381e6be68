// Beam and panel modules, M and D records.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "codec_test_support.h"

namespace {

using kavo_test::read_into;
using kavo_test::text_of;

bool has(const std::string &text, const std::string &item)
{
    return ("|" + text + "|").find("|" + item + "|") != std::string::npos;
}

TEST(BeamCodec, CaseFlagsAndGroupStatesChooseTheGroups)
{
    beam_module b = {};
    b.s1_state = 3;
    b.bt1 = 1;
    b.bsw = 200;
    b.bas = static_cast<int8_t>(200); // a byte of 200 is -56 as s8
    b.br1 = 0.004f;
    EXPECT_EQ(text_of(kavo::write_beam, b, false, true), "BSN=0|BSP=0|BLB=0|BLC=0|BLD=0|BIL=0|BIR=0|BPS=0|BSW=200|BUB=0");
    const std::string s_text = text_of(kavo::write_beam, b, true, false);
    for (const char *item : {"BQ1=0.00", "BT1=1.00", "BAS=-56"})
        EXPECT_TRUE(has(s_text, item)) << item;
    EXPECT_FALSE(has(s_text, "BR1=0.00"));
    EXPECT_EQ(s_text.find("BT2"), std::string::npos);
    b = {};
    EXPECT_EQ(text_of(kavo::write_beam, b, true, true), ""); // no group at all
    b.cnb_state = 1;
    std::strcpy(b.cnb, "CN1");
    b.cnd = 2.5f;
    b.cfl = 1200.4f;
    EXPECT_EQ(text_of(kavo::write_beam, b, false, false), "CNB=CN1|CND=2.5|CNC=0|CFL=1200");
}

TEST(BeamCodec, IncompleteGroupLeavesItsStateZero)
{
    using States = std::tuple<int, int16_t, int16_t, int16_t, int16_t>; // result, S1, S2, W1, W2
    const struct {
        const char *text;
        States states;
    } cases[] = {
        {"BQ1=1|BT1=2|BP1=3", {1, 3, 0, 0, 0}},
        {"BQ1=1|BT1=2|BP1=3|BT2=1|BT3=1|BQ2=1", {1, 3, 0, 0, 0}}, // S2 lacks BP2 and BCS
        {"BT2=1|BT3=1|BQ2=1|BP2=1|BCS=1", {-1, 0, 0, 0, 0}},      // S2 alone is not a beam
        {"BQ5=1|BT5=1|BP5=1|BT6=1|BT7=1|BQ6=1|BP6=1|BCW=2", {1, 0, 0, 3, 3}},
        {"BQ5=1|BT5=1|BP5=1|BT6=1|BT7=1|BQ6=1|BP6=1|BCW=x", {1, 0, 0, 3, 0}},
        {"BQ1=1|BT1=2|BP1=", {-1, 0, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        beam_module b;
        std::memset(&b, 0x11, sizeof b);
        const int result = read_into(b, c.text, kavo::read_beam_module);
        EXPECT_EQ(States(result, b.s1_state, b.s2_state, b.w1_state, b.w2_state), c.states) << c.text;
        EXPECT_EQ(std::make_tuple(+b.propar_count, +b.accessories[0]), std::make_tuple(0, 0)) << c.text;
    }
}

TEST(PanelCodec, CaseFlagsAndGroupStatesChooseWhatTravels)
{
    panel_module p = {};
    p.s1_state = 3;
    p.pq1 = 2;
    p.pqd = -1;
    p.pwp = -1;
    std::strcpy(p.pnb, "Panel A");
    EXPECT_EQ(text_of(kavo::write_panel, p, true, false),
              "PNB=Panel A|PQD=-1|PQ1=2.00|PR1=0.00|PT1=0.00|PAS=0|PAT=0|PD2=0.00|PE2=0.00");
    EXPECT_EQ(text_of(kavo::write_panel, p, false, true), "PNB=Panel A|PQD=-1");

    panel_module back;
    const std::string s1_only = text_of(kavo::write_panel, p, true, false);
    EXPECT_EQ(read_into(back, s1_only.c_str(), kavo::read_panel_module), -1);
    EXPECT_STREQ(back.pnb, "");
    // Whatever groups are present are read; PAT only with a complete S1.
    EXPECT_EQ(read_into(back, "PQ5=1|PAW=2|PAX=3|PAT=4|PT6=1|PT7=1|PQ6=1|PCW=258|PD2=7", kavo::read_panel_module), 1);
    EXPECT_EQ(std::make_tuple(+back.paw, +back.pax, +back.pat, +back.pcw, +back.w1_state, +back.w2_state, +back.pd2),
              std::make_tuple(2, 3, 0, 2, 3, 3, 7.0f));
    EXPECT_EQ(read_into(back, "PT2=1|PT3=1|PQ2=1|PCS=1|PSF=1|PFA=2", kavo::read_panel_module), 1);
    EXPECT_EQ(std::make_tuple(+back.s2_state, +back.psf_state, +back.pfa_state), std::make_tuple(3, 0, 3));
}

TEST(MCodec, StatesNotCaseFlagsDecideTheOptionalItems)
{
    m_data m = {};
    m.mas = -2;
    m.msd = 5;
    m.map_state = 1;
    EXPECT_EQ(text_of(kavo::write_m_data, m, true, false),
              "MAP=0.00|MAS=-2|MQS=0.00|MTS=0.00|MD1=0.00|MP1=0.00");
    m.msf_state = 3;
    EXPECT_EQ(text_of(kavo::write_m_data, m, false, false),
              "MAP=0.00|MSD=5|MSF=0|MSB=0");
    m_data back;
    EXPECT_EQ(read_into(back, "MSD=4|MQS=1", kavo::read_m_data), 0);
    EXPECT_EQ(+back.msd, 4);
    EXPECT_EQ(read_into(back, "MQW=1|MTW=2|MAW=300|MSF=1|MSB=2", kavo::read_m_data), 1);
    EXPECT_EQ(std::make_tuple(+back.w_state, +back.maw, +back.msf_state), std::make_tuple(3, 44, 3));
}

TEST(DCodec, MalformedOptionalValuesSpoilTheSCase)
{
    using States = std::tuple<int, int16_t, int16_t>; // result, S, W
    const struct {
        const char *text;
        States states;
    } cases[] = {
        {"DQS=1|DTS=2", {1, 3, 0}},           {"DQS=1|DTS=2|DTO=x", {0, 0, 0}}, {"DQS=1|DTS=2|DZP=", {0, 0, 0}},
        {"DQS=1|DTS=2|DTO=4|DQW=1|DTW=1", {1, 3, 3}}, {"DTS=2|DQW=1", {0, 0, 0}},
    };
    for (const auto &c : cases) {
        d_data d;
        const int result = read_into(d, c.text, kavo::read_d_data);
        EXPECT_EQ(States(result, d.s_state, d.w_state), c.states) << c.text;
    }
    d_data d = {};
    d.dzp = 2.6f;
    EXPECT_EQ(text_of(kavo::write_d_data, d, true, true),
              "DQS=0.00|DTS=0.00|DTO=0.00|DZP=3|DQW=0.00|DTW=0.00");
}

} // namespace
