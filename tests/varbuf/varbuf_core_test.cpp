#include "varbuf/varbuf.h"

#include "util/number_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kavo;

namespace {

std::string repeat(char c, std::size_t n) { return std::string(n, c); }

TEST(VarbufWrite, RefusesWhatDoesNotFitAndNeverChangesTheTextThen)
{
    const std::string v297(297, 'v'), v298(298, 'v'), k299(299, 'K');
    const struct {
        const char *before, *key, *value;
        int size, result;
        const char *after;
    } cases[] = {
        {"RCD=X", "RNM", "Y", 64, kWritten, "RCD=X|RNM=Y"},
        {"A=1", "RCD", "", 32, kWritten, "A=1"}, // an empty value writes nothing
        {"A=1", "RCD", nullptr, 32, kWritten, "A=1"},
        {"A=1", "", "x", 32, kEmptyKey, "A=1"},
        {"A=1", nullptr, "x", 32, kEmptyKey, "A=1"},
        {"", "RNM", "a=b|c", 32, kWritten, "RNM=a b c"}, // separators in values become blanks
        {"", "RCD", "12345", 10, kNoRoom, ""},           // the separator counts even for an empty text
        {"", "RCD", "1234", 10, kWritten, "RCD=1234"},
        {"A=1", "K", v297.c_str(), 1024, kWritten, nullptr}, // 299 in all
        {"A=1", "K", v298.c_str(), 1024, kNoRoom, "A=1"},
        {"A=1", k299.c_str(), "v", 1024, kNoRoom, "A=1"},
        {"", "A", "1", 0, kNoRoom, ""},
        {"", "A", "1", -5, kNoRoom, ""},
        {"", "A", "1", 4, kNoRoom, ""}, // 0 + 1 + 3 is not below 4
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.before) + " + " + (c.key ? c.key : "null") + " in " + std::to_string(c.size));
        std::vector<char> buffer(1024, 0);
        std::strcpy(buffer.data(), c.before);
        EXPECT_EQ(varbuf_write_sz(buffer.data(), c.key, c.value, c.size), c.result);
        if (c.after) {
            EXPECT_STREQ(buffer.data(), c.after);
        }
    }
    char unterminated[8];
    std::memset(unterminated, 'x', sizeof unterminated); // no NUL within the size
    EXPECT_EQ(varbuf_write_sz(unterminated, "A", "1", sizeof unterminated), kNoRoom);
    EXPECT_EQ(varbuf_write_sz(nullptr, "A", "1", 8), kNoRoom);
}

TEST(VarbufWrite, TypedWritersFormatDecimalsAndDatesAsHostsRead)
{
    char buffer[128] = "";
    varbuf_write_flo(buffer, "F", 21.5f, 2, sizeof buffer);
    varbuf_write_sho(buffer, "S", -3, sizeof buffer);
    varbuf_write_flo(buffer, "G", 1.25f, -1, sizeof buffer); // negative decimals: six
    const varbuf_date date{7, 3, 2024};
    varbuf_write_date(buffer, "D", &date, sizeof buffer);
    const varbuf_date none{0, 0, 0};
    EXPECT_EQ(varbuf_write_date(buffer, "N", &none, sizeof buffer), kWritten);
    EXPECT_STREQ(buffer, "F=21.50|S=-3|G=1.250000|D=07.03.2024");
}

TEST(VarbufWrite, ValuesPrintingAsZeroAreLeftOut)
{
    char buffer[64] = "";
    EXPECT_EQ(varbuf_write_flo_nz(buffer, "A", 0.004f, 2, sizeof buffer), kWritten);
    EXPECT_STREQ(buffer, "");
    // 0.005 as a float lies just below 0.005, so it would print as 0.00.
    EXPECT_EQ(varbuf_write_flo_nz(buffer, "A", 0.005f, 2, sizeof buffer), kWritten);
    EXPECT_STREQ(buffer, "");
    varbuf_write_flo_nz(buffer, "A", 0.01f, 2, sizeof buffer);
    varbuf_write_flo_nz(buffer, "B", -0.5f, 0, sizeof buffer);
    EXPECT_STREQ(buffer, "A=0.01|B=-0");
}

struct FindCase {
    const char *text;
    const char *key;
    int result;
    const char *value;
};

TEST(VarbufFind, ExactWholeKeysAndMalformedValuesAreTold)
{
    const std::string long_value = "RNT=" + repeat('v', 150);
    const FindCase cases[] = {
        {"RCD=1|RNM=Room 1", "RNM", kFound, "Room 1"},
        {"RCD=1|RNM=Room 1", "rnm", kNotFound, ""},   // the key match is exact
        {"rnm=x|RNM=y", "RNM", kFound, "y"},
        {"RNM=", "RNM", kMalformed, ""},
        {"RNM= ", "RNM", kMalformed, ""},
        {"RNM=x  ", "RNM", kFound, "x"},              // trailing blanks are cut
        {"RNM= x", "RNM", kFound, " x"},
        {"RNM=a=b", "RNM", kFound, "a"},              // text after a second "=" is dropped
        {"RAC=2|AC=A1", "AC", kFound, "A1"},         // whole keys only
        {"RAC=2", "AC", kNotFound, ""},
        {"XAC=1|YAC=2", "AC", kNotFound, ""},
        {long_value.c_str(), "RNT", kTooLong, ""},
        {"", "RNM", kNotFound, ""},
        {"A=1|RNM", "RNM", kNotFound, ""},
    };
    for (const FindCase &c : cases) {
        char out[100] = "junk";
        SCOPED_TRACE(std::string(c.text) + " / " + c.key);
        EXPECT_EQ(varbuf_find_sz(c.text, c.key, out, sizeof out), c.result);
        EXPECT_STREQ(out, c.value);
    }
}

TEST(VarbufFind, ValueMustFitTheOutSize)
{
    char out[4];
    EXPECT_EQ(varbuf_find_sz("K=abc", "K", out, 4), kFound);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(varbuf_find_sz("K=abcd", "K", out, 4), kTooLong);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(varbuf_find_sz("K=abcd", "K", nullptr, 0), kTooLong);
}

TEST(VarbufFind, OverlongKeysAndItemsAreCutNotOverrun)
{
    const std::string key118 = repeat('K', 118);
    const std::string key119 = repeat('K', 119);
    char out[400];
    // Keys are read with at most 39 characters, so a longer key is found by
    // its pattern but never equals the item's cut key.
    EXPECT_EQ(varbuf_find_sz((key118 + "=v").c_str(), key118.c_str(), out, sizeof out), kNotFound);
    EXPECT_EQ(varbuf_find_sz((key119 + "=v").c_str(), key119.c_str(), out, sizeof out), kNotFound);
    const std::string key39 = repeat('K', 39);
    EXPECT_EQ(varbuf_find_sz((key39 + "=v").c_str(), key39.c_str(), out, sizeof out), kFound);
    // An item is read with at most 299 characters.
    const std::string item = "K=" + repeat('v', 400);
    EXPECT_EQ(varbuf_find_sz(item.c_str(), "K", out, sizeof out), kFound);
    EXPECT_EQ(std::strlen(out), 297u);
}

TEST(VarbufFind, MalformedItemsAfterTheMatchEndTheSearch)
{
    char out[16];
    // The item found by the pattern has a cut key, so the walk goes on to
    // the following items; an item without "=" ends it.
    const std::string key = repeat('K', 45);
    EXPECT_EQ(varbuf_find_sz((key + "=1|junk|" + key + "=2").c_str(), key.c_str(), out, sizeof out), kMalformed);
}

TEST(VarbufFind, BadOrOverlongNumbersAreRefusedAndZeroed)
{
    float f = 5;
    int16_t s = 5;
    EXPECT_EQ(varbuf_find_sho("RCS=abc", "RCS", &s), kMalformed);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(varbuf_find_sho("RCS=12", "RCS", &s), kFound);
    EXPECT_EQ(s, 12);
    EXPECT_EQ(varbuf_find_sho("RCS=70000", "RCS", &s), kFound);
    EXPECT_EQ(s, static_cast<int16_t>(70000 & 0xffff));
    EXPECT_EQ(varbuf_find_flo("F=21.50|G=x", "F", &f), kFound);
    EXPECT_FLOAT_EQ(f, 21.5f);
    EXPECT_EQ(varbuf_find_flo("F=21.50|G=x", "G", &f), kMalformed);
    EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(varbuf_find_flo("F= -1.5e2abc", "F", &f), kFound);
    EXPECT_FLOAT_EQ(f, -150.0f);
    EXPECT_EQ(varbuf_find_flo("F=nan", "F", &f), kMalformed);
    EXPECT_EQ(varbuf_find_flo("F=1e99", "F", &f), kMalformed);
    EXPECT_EQ(varbuf_find_flo("F=1", "X", &f), kNotFound);
    const std::string long_number = "F=" + repeat('1', 100);
    EXPECT_EQ(varbuf_find_flo(long_number.c_str(), "F", &f), kTooLong);
    EXPECT_EQ(varbuf_find_flo("F=1", "F", nullptr), kMalformed);
}

TEST(VarbufFind, ShortDecimalsRoundAsTheGeneralParser)
{
    // The short path computes without a division; every decimal of at most
    // 7 digits must come out as the general parser (from_chars) reads it.
    // A spread of mantissas for each number of decimals, the ends included.
    for (int decimals = 0; decimals <= 7; ++decimals) {
        for (uint32_t mantissa = 0; mantissa < 10000000; mantissa += mantissa < 2000 ? 1 : 9973) {
            for (uint32_t m : {mantissa, 9999999u - mantissa % 1000}) {
                std::string text = std::to_string(m);
                if (decimals > 0) {
                    text.insert(0, decimals > static_cast<int>(text.size()) ? decimals - text.size() : 0, '0');
                    text.insert(text.size() - decimals, ".");
                }
                float fast = 0, general = 0;
                ASSERT_TRUE(varbuf_scan_short_decimal(text.c_str(), &fast) || !KAVO_FLOAT_IN_FLOAT) << text;
                ASSERT_TRUE(scan_float(text.c_str(), &general)) << text;
                if (KAVO_FLOAT_IN_FLOAT) {
                    ASSERT_EQ(fast, general) << text;
                }
            }
        }
    }
}

TEST(VarbufFind, MalformedDatesLeaveTheOutputAlone)
{
    varbuf_date date{1, 1, 1};
    EXPECT_EQ(varbuf_find_date("PDA=7.3.2024", "PDA", &date), 0);
    EXPECT_EQ(date.day, 7);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.year, 2024);

    const varbuf_date before = date;
    for (const char *text : {"PDA=123.3.2024", "PDA=07..2024", "PDA=.3.2024", "PDA=7.123.2024", "PDA=7.3.",
                             "PDA=7.x.2024", "PDA=7"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(varbuf_find_date(text, "PDA", &date), -1);
        EXPECT_EQ(std::memcmp(&date, &before, sizeof date), 0);
    }
    EXPECT_EQ(varbuf_find_date("X=1", "PDA", &date), 0);
    EXPECT_EQ(varbuf_find_date("PDA=1.1.2024567890", "PDA", &date), kTooLong);
    EXPECT_EQ(std::memcmp(&date, &before, sizeof date), 0);
}

TEST(VarbufDate, WideYearsAndLateDotsAreNotMisread)
{
    char text[kDateTextArea];
    date_to_text(varbuf_date{7, 3, 999}, text);
    EXPECT_STREQ(text, "07.03. 999");
    date_to_text(varbuf_date{255, 12, 65535}, text);
    EXPECT_STREQ(text, "255.12.65535");
    date_to_text(varbuf_date{0, 0, 0}, text);
    EXPECT_STREQ(text, "");

    varbuf_date date{};
    EXPECT_EQ(text_to_date("300.1.70000", &date), -1); // the first dot stands too late
    EXPECT_EQ(text_to_date("30.1.70000", &date), 0);
    EXPECT_EQ(date.year, static_cast<uint16_t>(70000)); // low 16 bits, no range check
}

TEST(VarbufSplit, ItemsWithoutKeyOrValueAreMalformed)
{
    char key[kKeyArea], value[kItemArea];
    EXPECT_EQ(varbuf_split_item("a=1|bb = 2 |=3|c|d=", 1, key, sizeof key, value, sizeof value), kFound);
    EXPECT_STREQ(key, "BB");
    EXPECT_STREQ(value, " 2");
    EXPECT_EQ(varbuf_split_item("a=1|bb = 2 |=3|c|d=", 2, key, sizeof key, value, sizeof value), kMalformed);
    EXPECT_EQ(varbuf_split_item("a=1|bb = 2 |=3|c|d=", 3, key, sizeof key, value, sizeof value), kMalformed);
    EXPECT_EQ(varbuf_split_item("a=1|bb = 2 |=3|c|d=", 4, key, sizeof key, value, sizeof value), kMalformed);
    EXPECT_EQ(varbuf_split_item("a=1|bb = 2 |=3|c|d=", 5, key, sizeof key, value, sizeof value), kNotFound);
    EXPECT_EQ(varbuf_split_item("a=1||b=2", 1, key, sizeof key, value, sizeof value), kNotFound);
    EXPECT_EQ(varbuf_split_item("\xe4=1", 0, key, sizeof key, value, sizeof value), kFound);
    EXPECT_STREQ(key, "\xc4");
}

} // namespace
