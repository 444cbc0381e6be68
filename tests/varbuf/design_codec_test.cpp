// Whole designs: reading with the summary, writing the active records,
// adding modules.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <memory>

#include "codec_test_support.h"

namespace {

using kavo_test::written;

const std::string kRoom = "RRT=1|RNM=Office";
const std::string kInstallation = "IMP=1|IIH=2.7|INR=0|INC=0|ILN=0|IVP=0|IVL=0|INT=0";
const std::string kBeamS = "BQ1=12|BT1=1|BP1=1|BA1=3.5|BD2=40|BUB=2|BT2=1|BT3=1|BQ2=1|BP2=1|BCS=1";
const std::string kBeamW = "BQ5=24|BT5=1|BP5=1|BA5=7.5|BD6=80|BT6=1|BT7=1|BQ6=1|BP6=1";

std::unique_ptr<designdata> new_design(const char *id = "D1")
{
    auto d = std::make_unique<designdata>();
    std::memset(d.get(), 0, sizeof *d);
    std::strcpy(d->design_id, id);
    return d;
}

int read(designdata &d, const std::string &text) { return kavo::read_designdata(d, kavo::IndexedFinder(text.c_str())); }

std::string join(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string &part : parts)
        text += (text.empty() ? "" : "|") + part;
    return text;
}

std::string design_text(const designdata &d, int *result = nullptr)
{
    return written([&](char *t, int n) {
        const int r = kavo::write_designdata(d, t, n);
        if (result)
            *result = r;
    });
}

// Every key of the sample's records with its decimals, in the writers'
// order: a design read and written back is the same text.
TEST(DesignRoundTrip, SampleDesignIsWrittenBackByteForByte)
{
    const std::string sample =
#include "sample_design.inc"
        ;
    auto d = new_design("R-2.14");
    ASSERT_EQ(read(*d, sample), 1);
    EXPECT_EQ(design_text(*d), sample);
}

// The first complete product in the order beam, panel, M, D stands for the
// design: its case tags, its design case, its Q and A values; O/E values
// fill what the product leaves.
TEST(DesignReader, OnlyTheFirstCompleteProductSetsTheCaseAndSummary)
{
    const struct {
        std::string product;
        int result;
        const char *tags; // beam S W, panel S W, M S W, D W: which carry the design id
        int16_t design_case;
        float q_unit, a_value, ad;
    } cases[] = {
        {join({kBeamS, kBeamW, "BCW=2", "BAP=4"}), 1, "SW-----", 0, 12, 3.5f, 4},
        {kBeamS, 1, "S------", 0, 12, 3.5f, 0},
        {kBeamW + "|BCW=2", 1, "-W-----", 2, 24, 7.5f, 0},
        {kBeamW + "|BCW=258", 1, "-W-----", 2, 24, 7.5f, 0}, // the low byte decides
        {"PQ5=2|PT6=1|PT7=1|PQ6=1|PCW=1|PD6=9", 1, "---W---", 1, 2, 0, 0},
        {"PQ1=3|PT2=1|PT3=1|PQ2=1|PCS=1|PAP=2.5|PFA=4", 1, "--S----", 0, 3, 2.5f, 4},
        {"MQW=1|MTW=1|PQ1=4", 1, "-----W-", 1, 1, 0, 0}, // a panel needs S2 or W2
        {"MQS=1|MTS=1|MAP=6.5|MPP=8", 1, "----S--", 0, 1, 6.5f, 8},
        {"MQS=0.00001|MTS=1|MAP=6.5|MPP=8", 1, "----S--", 0, 0, 0, 0}, // no Q: no A values
        {"OQM=5|OAD=2|MQS=1|MTS=1", 1, "----S--", 0, 1, 0, 2},          // the product's Q replaces the O/E one
        {"DQW=1|DTW=1", 1, "------W", 1, 1, 0, 0},
        {"BQ1=1|PQ1=1|MQS=1|DQS=1", 0, "-------", 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.product);
        auto d = new_design();
        EXPECT_EQ(read(*d, join({kRoom, kInstallation, c.product})), c.result);
        std::string tags;
        for (const char *tag : {d->beams[0].s_tag, d->beams[0].w_tag, d->panels[0].s_tag, d->panels[0].w_tag,
                                d->m_data.s_tag, d->m_data.w_tag, d->d_data.w_tag})
            tags += std::strcmp(tag, "D1") == 0 ? "SWSWSWW"[tags.size()] : '-';
        EXPECT_EQ(tags, c.tags);
        const summary &sum = d->summary;
        EXPECT_EQ(std::make_tuple(+d->design_case, +sum.q_unit, +sum.a_value, +sum.ad),
                  std::make_tuple(c.design_case, c.q_unit, c.a_value, c.ad));
        if (!c.result) {
            EXPECT_EQ(+d->beams[0].bq1, 0.0f);
        }
    }
}

TEST(DesignReader, QPerUnitDividesByTheCountsButNotOeQ)
{
    const struct {
        const char *counts_and_q;
        float q_unit;
    } cases[] = {{"INR=2|INC=3|BQ1=24", 4.0f},
                 {"INR=-1|INC=3|BQ1=24", 24.0f}, // a count below 0.9 is 1
                 {"INR=2|INC=3|BQ1=0.0003|OQV=12", 12.0f}};
    for (const auto &c : cases) {
        auto d = new_design();
        const std::string beam = "BT1=1|BP1=1|BT2=1|BT3=1|BQ2=1|BP2=1|BCS=1";
        EXPECT_EQ(read(*d, join({kRoom, c.counts_and_q, "IMP=1|IIH=2.7|ILN=0|IVP=0|IVL=0|INT=0", beam})), 1);
        EXPECT_EQ(std::make_tuple(+d->summary.q_state, +d->summary.q_unit), std::make_tuple(2, c.q_unit))
            << c.counts_and_q;
    }
}

TEST(DesignReader, RoomAndInstallationAreRequired)
{
    for (const std::string &text : {join({kInstallation, kBeamS, "RNM=x"}), join({kRoom, kBeamS}), std::string()}) {
        auto d = new_design();
        EXPECT_EQ(read(*d, text), 0) << text;
    }
}

TEST(DesignWriter, TagsDecideWhatIsWrittenAndItemsThatDoNotFitAreLeftOut)
{
    int result = 9;
    auto empty_id = new_design("");
    EXPECT_EQ(design_text(*empty_id, &result), "IMP=0|IIH=0.00|INR=0|INC=0|ILN=0|IVP=0|IVL=0|INT=0|HIU=0|HPO=0");
    EXPECT_EQ(result, 0);

    auto d = new_design();
    EXPECT_EQ(design_text(*d, &result), "");
    EXPECT_EQ(result, -1);

    d->room.valid = 3;
    d->s_data.sid[0] = 'S';
    d->oe_data.oqv_state = 1;
    std::strcpy(d->oe_data.tag, "D1");
    EXPECT_EQ(design_text(*d, &result).substr(0, 27), "OQV=0.00|OAD=0.00|EAD=0.00|");
    EXPECT_EQ(result, 0);
    EXPECT_NE(design_text(*d).find("|RRT=0|SID=S|SDW=0"), std::string::npos);

    std::strcpy(d->installation.tag, "D1");
    EXPECT_EQ(design_text(*d, &result), ""); // installation without product
    EXPECT_EQ(result, -1);

    std::strcpy(d->d_data.s_tag, "D1");
    const std::string text = design_text(*d, &result);
    EXPECT_EQ(result, 0);
    const std::string tail = "HIU=0|HPO=0|DQS=0.00|DTS=0.00|DTO=0.00|DZP=0";
    ASSERT_GT(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    std::vector<char> small(120, 'x');
    EXPECT_EQ(kavo::write_designdata(*d, small.data(), 100), 0);
    EXPECT_LT(std::strlen(small.data()), 100u);
    EXPECT_EQ(small[100], 'x');
}

TEST(DesignWriter, ModuleIndexChoosesTheModule)
{
    auto d = new_design();
    std::strcpy(d->installation.tag, "D1");
    d->beams[6].s1_state = 3;
    d->beams[6].bq1 = 6;
    std::strcpy(d->beams[6].s_tag, "D1");
    std::strcpy(d->panels[2].w_tag, "D1"); // the last panel
    std::strcpy(d->panels[2].pnb, "P2");
    std::strcpy(d->m_data.w_tag, "D1");
    // Outside an array no module of that kind: the M record is next.
    const struct {
        int16_t index;
        const char *item;
    } cases[] = {{6, "|BSN=0|"}, {2, "|PNB=P2"}, {7, "|MAW=0"}, {-1, "|MAW=0"}, {3, "|MAW=0"}};
    for (const auto &c : cases) {
        d->module_index = c.index;
        const std::string text = design_text(*d);
        EXPECT_EQ(text.substr(text.find("HPO=0") + 5, std::strlen(c.item)), c.item) << c.index;
    }
}

TEST(ModulesToDesign, BeamsUpToSixPanelsUpToTwo)
{
    auto d = new_design();
    const std::string beam = join({kRoom, kInstallation, kBeamS, kBeamW});
    EXPECT_EQ(kavo::beam_module_to_designdata(*d, true, true, "", "C1", beam.c_str()), 1);
    EXPECT_STREQ(d->beams[0].s_tag, "C1");
    EXPECT_STREQ(d->beams[0].w_tag, "C1");
    EXPECT_EQ(+d->summary.q_unit, 12.0f);
    EXPECT_STREQ(d->installation.tag, "D1");
    EXPECT_EQ(kavo::beam_module_to_designdata(*d, false, false, "M2", "C1", ""), 1);
    EXPECT_STREQ(d->beams[1].w_tag, "M2");
    EXPECT_EQ(+d->beams[1].s1_state, 0);
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(kavo::beam_module_to_designdata(*d, false, false, "", "C", kBeamS.c_str()), 1);
    EXPECT_EQ(kavo::beam_module_to_designdata(*d, false, false, "", "C", kBeamS.c_str()), 0);
    EXPECT_EQ(+d->module_count, 6);
    EXPECT_EQ(kavo::beam_module_to_designdata(*d, true, false, "", "C", "BT2=1"), 0);
    EXPECT_EQ(+d->module_count, 0);
    EXPECT_EQ(kavo::beam_module_to_designdata(*d, false, true, "", "C", kBeamS.c_str()), 0); // no room

    const std::string panel = join({kRoom, kInstallation, "PQ1=3|PT2=1|PT3=1|PQ2=1|PCS=1"});
    EXPECT_EQ(kavo::panel_module_to_designdata(*d, true, true, "P", panel.c_str()), 1);
    EXPECT_STREQ(d->panels[0].s_tag, "P");
    EXPECT_EQ(+d->summary.q_unit, 3.0f);
    EXPECT_EQ(kavo::panel_module_to_designdata(*d, false, false, "P", panel.c_str()), 1);
    EXPECT_EQ(kavo::panel_module_to_designdata(*d, false, false, "P", panel.c_str()), 0);
    EXPECT_EQ(+d->module_count, 2);
}

} // namespace
