// Product parameters, accessories and drawing data.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "codec_test_support.h"

namespace {

using kavo_test::text_of;

std::string params_text(const propar_entry *entries, const char *accessories, int count, std::size_t size = 400)
{
    std::vector<char> text(size + 8, 'x');
    const int result = kavo::write_params_ex(entries, accessories, count, text.data(), size);
    EXPECT_EQ(text[size], 'x') << "wrote past the size";
    return std::to_string(result) + ":" + text.data();
}

TEST(Params, KeysMatchWithoutCaseAndTheTableNeverOverflows)
{
    propar_entry entries[kavo::kMaxParams + 1] = {};
    int16_t count = 0;
    kavo::set_propar(entries, &count, "P1", "2");
    kavo::set_propar(entries, &count, "p1", "3"); // same key, other case
    kavo::set_propar(entries, &count, "LONGKEY", "12345678901234");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(std::string(entries[0].value) + " " + entries[1].key + "=" + entries[1].value, "3 LONG=1234567890");
    kavo::set_propar(entries, &count, "LONGER", "x"); // cut to the same key
    EXPECT_EQ(count, 2);
    EXPECT_STREQ(entries[1].value, "x");
    kavo::set_propar(entries, nullptr, "P2", "x"); // without a count there is nothing to add to

    char out[11] = "zz";
    EXPECT_EQ(kavo::get_propar(entries, count, "p1", out, sizeof out), 0);
    EXPECT_STREQ(out, "3");
    EXPECT_EQ(kavo::get_propar(entries, count, "P9", out, sizeof out), -1);
    EXPECT_EQ(kavo::get_propar(entries, 0, "P1", out, sizeof out), -1);

    for (int i = count; i < 45; ++i)
        kavo::set_propar(entries, &count, ("K" + std::to_string(i)).c_str(), "v");
    EXPECT_EQ(count, kavo::kMaxParams);
    EXPECT_EQ(+entries[kavo::kMaxParams].key[0], 0); // nothing beyond the 40 entries
    // A count beyond the table is taken as 40; an out size of 0 leaves out alone.
    EXPECT_EQ(kavo::get_propar(entries, 300, "K39", out, sizeof out), 0);
    char untouched = 'u';
    EXPECT_EQ(kavo::get_propar(entries, count, "p1", &untouched, 0), 0);
    EXPECT_EQ(untouched, 'u');
}

TEST(Params, WriterNeverPassesTheSizeAndAddsAccessoriesWhole)
{
    propar_entry entries[2] = {{"P1", "2"}, {"P2", "1200"}};
    EXPECT_EQ(params_text(entries, "A1,B2", 2), "0:P1=2|P2=1200|AC=A1,B2");
    EXPECT_EQ(params_text(entries, "", 2), "0:P1=2|P2=1200");
    EXPECT_EQ(params_text(entries, "A1", 0), "-1:");
    EXPECT_EQ(params_text(entries, "A1", -1), "0:AC=A1");
    // 'P1=2' needs 4 + 1 < size: 6 bytes hold it, 5 do not.
    EXPECT_EQ(params_text(entries, "", 1, 6), "0:P1=2");
    EXPECT_EQ(params_text(entries, "", 1, 5), "-2:");
    EXPECT_EQ(params_text(entries, "", 2, 11), "-2:P1=2");
    // The accessory item is appended only when it fits whole.
    EXPECT_EQ(params_text(entries, "A1,B2", 2, 21), "-2:P1=2|P2=1200");
    EXPECT_EQ(params_text(entries, "A1,B2", 2, 22), "0:P1=2|P2=1200|AC=A1,B2");
    propar_entry odd[1] = {{"A=B", "x|y"}};
    EXPECT_EQ(params_text(odd, "", 1), "0:A=B=x|y"); // written as they stand
}

TEST(Params, ReaderStopsAtFortyEntriesAndSplitsTheAccessories)
{
    auto d = std::make_unique<designdata>();
    std::memset(d.get(), 0, sizeof *d);
    EXPECT_EQ(kavo::write_md_params(*d, ""), -1);
    const struct {
        const char *text, *second_and_accessories;
    } cases[] = {{"P1=2|P2=1200|AC=A1,B2", "P2=1200 AC=A1,B2"}, {"P1=2,ac=A1,B2,novalue,=5", "=5 AC=A1"}};
    for (const auto &c : cases) {
        EXPECT_EQ(kavo::write_md_params(*d, c.text), 0);
        EXPECT_EQ(+d->propar_count, 2);
        EXPECT_EQ(std::string(d->propar[1].key) + "=" + d->propar[1].value + " AC=" + d->accessories,
                  c.second_and_accessories);
    }

    std::string many;
    for (int i = 0; i < 60; ++i)
        many += "K" + std::to_string(i) + "=" + std::to_string(i) + "|";
    EXPECT_EQ(kavo::write_md_params(*d, many.c_str()), 0);
    EXPECT_EQ(+d->propar_count, kavo::kMaxParams);
    EXPECT_STREQ(d->propar[39].key, "K39");
    EXPECT_EQ(+d->accessories[0], 0);
}

TEST(Params, JoinedTextsFitTheirComputedSize)
{
    const struct {
        const char *first, *second, *third, *joined;
    } cases[] = {
        {"P1=2,P2=1200", "", "AC=A1,B2", "P1=2|P2=1200|AC=A1,B2"},
        {"", "P1=2", "P2=3", "P1=2|P2=3"},
        {"A=1,", "", "", "A=1,"}, // the last two positions are not walked
        {"A=1,,B", "", "", "A=1|,B"}, // nor here
        {",A=1", "", "", "|A=1"},
        {"", "", "", ""},
    };
    for (const auto &c : cases) {
        char out[64];
        std::memset(out, 'x', sizeof out);
        const std::size_t size = kavo::ext_params_size(c.first, c.second, c.third);
        kavo::ext_params_to_szv(c.first, c.second, c.third, out, size);
        EXPECT_STREQ(out, c.joined);
        EXPECT_EQ(out[size], 'x');
    }
    const std::string long_text(900, 'a');
    const struct {
        const char *first, *second, *third, *key;
        int found;
        const char *value;
    } finds[] = {
        {"P1=2,P2=1200", "", "AC=A1,B2", "AC", 1, "A1,B2"},
        {"P1=2", "P2=1200", nullptr, "P2", 1, "1200"},
        {"P1=2", "", "", "P2", 0, nullptr},
        {long_text.c_str(), "P2=1", "", "P2", 0, nullptr},
    };
    for (const auto &f : finds) {
        char out[16] = "";
        EXPECT_EQ(kavo::find_ext_param_value(f.first, f.second, f.third, f.key, out, sizeof out), f.found) << f.key;
        if (f.value) {
            EXPECT_STREQ(out, f.value);
        }
    }
}

TEST(Params, AccessoryCodesMatchWholeAndWithCase)
{
    const struct {
        const char *list, *code;
        int set;
    } cases[] = {
        {"A1,B2", "B2", 1}, {"A1,B2", "b2", 0},  {"", "A1", 0},          {"A1,,B2", "", 1},
        {"A1,", "", 0},     {"ABCDEFGHIJK", "ABCDEFGHI", 1}, {"ABCDEFGHIJ", "ABCDEFGHIJ", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::is_accessory_set_sz(c.list, c.code), c.set) << c.list << " / " << c.code;
}

TEST(DrawingData, WriterAppendsReaderCollectsExtras)
{
    drawingdata d = {};
    std::strcpy(d.pdr, "D-12");
    d.pda = {7, 3, 2024};
    EXPECT_EQ(text_of(kavo::write_drawingdata, d), "PDR=D-12|PDA=07.03.2024");
    char text[64] = "X=1";
    kavo::write_drawingdata(d, text, sizeof text);
    EXPECT_STREQ(text, "X=1|PDR=D-12|PDA=07.03.2024");

    const struct {
        const char *text;
        int count;
        const char *first_key, *first_value;
        const char *pcl;
    } cases[] = {
        {"PDR=A|_abc=5|PCL=B", 1, "ABC", "5", "B"},
        {"_=5|_k=1", 1, "K", "1", ""},
        {"_a=1|_x=|_b=2|PCL=C", 1, "A", "1", "C"}, // a malformed item ends the extras
        {"_longkey=12345678901234", 1, "LONG", "1234567890", ""},
        {"_a =1", 1, "A", "1", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        drawingdata r;
        kavo::read_drawingdata(r, "T", kavo::IndexedFinder(c.text));
        EXPECT_EQ(+r.extra_count, c.count);
        EXPECT_STREQ(r.extras[0].key, c.first_key);
        EXPECT_STREQ(r.extras[0].value, c.first_value);
        EXPECT_STREQ(r.pcl, c.pcl);
    }

    std::string many;
    for (int i = 0; i < 50; ++i)
        many += "|_K" + std::to_string(i) + "=" + std::to_string(i);
    drawingdata r;
    kavo::read_drawingdata(r, nullptr, kavo::IndexedFinder(many.c_str() + 1));
    EXPECT_EQ(+r.extra_count, kavo::kMaxParams);
    EXPECT_STREQ(r.extras[39].key, "K39");
    EXPECT_EQ(+r.host1[0], 0);
    r.extra_count = 300; // a count beyond the array is taken as 40
    const std::string back = text_of(kavo::write_drawingdata, r);
    EXPECT_NE(back.find("_K39=39"), std::string::npos);
    EXPECT_EQ(back.find("_K40"), std::string::npos);
}

} // namespace
