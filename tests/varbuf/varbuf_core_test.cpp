#include "varbuf/varbuf.h"

#include "util/number_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kavo;

namespace {

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
        {"A=1", "", "x", 32, kEmptyKey, "A=1"},
        {"", "RNM", "a=b|c", 32, kWritten, "RNM=a b c"}, // separators in values become blanks
        {"", "RCD", "12345", 10, kNoRoom, ""},           // the separator counts even for an empty text
        {"", "RCD", "1234", 10, kWritten, "RCD=1234"},
        {"A=1", "K", v297.c_str(), 1024, kWritten, nullptr}, // 299 in all
        {"A=1", "K", v298.c_str(), 1024, kNoRoom, "A=1"},
        {"A=1", k299.c_str(), "v", 1024, kNoRoom, "A=1"},
        {"", "A", "1", 0, kNoRoom, ""},
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

TEST(VarbufFind, ExactWholeKeysMalformedValuesAndTheOutSizeAreTold)
{
    // Keys are read with at most 39 characters and items with at most 299;
    // longer keys and the walk past them are the indexed finder's table.
    const std::string long_value = "RNT=" + std::string(150, 'v'), key39 = std::string(39, 'K'), item39 = key39 + "=v";
    const std::string long_item = "K=" + std::string(400, 'v'), v297 = std::string(297, 'v');
    const struct {
        const char *text, *key;
        int out_size, result;
        const char *value;
    } cases[] = {
        {"RCD=1|RNM=Room 1", "RNM", 100, kFound, "Room 1"},
        {"RCD=1|RNM=Room 1", "rnm", 100, kNotFound, ""}, // the key match is exact
        {"RNM=", "RNM", 100, kMalformed, ""},
        {"RNM= ", "RNM", 100, kMalformed, ""},
        {"RNM=x  ", "RNM", 100, kFound, "x"}, // trailing blanks are cut
        {"RNM=a=b", "RNM", 100, kFound, "a"}, // text after a second "=" is dropped
        {"RAC=2|AC=A1", "AC", 100, kFound, "A1"}, // whole keys only
        {"RAC=2", "AC", 100, kNotFound, ""},
        {long_value.c_str(), "RNT", 100, kTooLong, ""},
        {"K=abc", "K", 4, kFound, "abc"},
        {"K=abcd", "K", 4, kTooLong, ""},
        {"K=a", "K", 1, kTooLong, ""}, // only the NUL fits
        {item39.c_str(), key39.c_str(), 400, kFound, "v"},
        {long_item.c_str(), "K", 400, kFound, v297.c_str()},
    };
    for (const auto &c : cases) {
        std::vector<char> out(static_cast<std::size_t>(c.out_size) + 1, 'j');
        SCOPED_TRACE(std::string(c.text).substr(0, 40) + " / " + c.key + " in " + std::to_string(c.out_size));
        EXPECT_EQ(varbuf_find_sz(c.text, c.key, out.data(), c.out_size), c.result);
        EXPECT_STREQ(out.data(), c.value);
        EXPECT_EQ(out[static_cast<std::size_t>(c.out_size)], 'j') << "written past the out size";
    }
    EXPECT_EQ(varbuf_find_sz("K=abcd", "K", nullptr, 0), kTooLong);
    EXPECT_EQ(varbuf_find_sz("K=a", "K", nullptr, 4), kTooLong);
    EXPECT_EQ(varbuf_find_flo("F=1", "F", nullptr), kMalformed);
}

TEST(VarbufFind, ShortDecimalsRoundAsTheGeneralParser)
{
    // The short path computes without a division; every decimal of at most
    // 7 digits (a spread of mantissas, the ends included) must read alike.
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

TEST(VarbufDate, MalformedDatesLeaveTheOutputAloneAndWideFieldsAreNotMisread)
{
    const varbuf_date before{1, 1, 1};
    const struct {
        const char *text;
        int result;
        varbuf_date date; // {0, 0, 0}: left alone
    } cases[] = {
        {"PDA=7.3.2024", 0, {7, 3, 2024}},
        {"PDA=30.1.70000", 0, {30, 1, static_cast<uint16_t>(70000)}}, // low 16 bits, no range check
        {"PDA=300.1.70000", -1, {}},                                   // the first dot stands too late
        {"PDA=123.3.2024", -1, {}}, {"PDA=07..2024", -1, {}}, {"PDA=.3.2024", -1, {}},
        {"PDA=7.123.2024", -1, {}}, {"PDA=7.3.", -1, {}},      {"PDA=7.x.2024", -1, {}},
        {"PDA=7", -1, {}},          {"PDA=7.3", -1, {}},       {"X=1", 0, {}},
        {"PDA=1.1.2024567890", kTooLong, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        varbuf_date date = before;
        EXPECT_EQ(varbuf_find_date(c.text, "PDA", &date), c.result);
        const varbuf_date expected = c.date.day ? c.date : before;
        EXPECT_EQ(std::memcmp(&date, &expected, sizeof date), 0);
    }
    const struct {
        varbuf_date date;
        const char *text;
    } texts[] = {{{7, 3, 999}, "07.03. 999"}, {{255, 12, 65535}, "255.12.65535"}, {{0, 0, 0}, ""}};
    for (const auto &t : texts) {
        char text[kDateTextArea];
        date_to_text(t.date, text);
        EXPECT_STREQ(text, t.text);
    }
}

TEST(VarbufSplit, ItemsWithoutKeyOrValueAreMalformed)
{
    const char *items = "a=1|bb = 2 |=3|c|d=";
    const struct {
        const char *text;
        int n, result;
        const char *key, *value;
    } cases[] = {
        {items, 1, kFound, "BB", " 2"}, {items, 2, kMalformed, nullptr, nullptr},
        {items, 3, kMalformed, nullptr, nullptr}, {items, 4, kMalformed, nullptr, nullptr},
        {items, 5, kNotFound, nullptr, nullptr}, {"a=1||b=2", 1, kNotFound, nullptr, nullptr},
        {"\xe4=1", 0, kFound, "\xc4", "1"},
    };
    for (const auto &c : cases) {
        char key[kKeyArea], value[kItemArea];
        EXPECT_EQ(varbuf_split_item(c.text, c.n, key, sizeof key, value, sizeof value), c.result) << c.n;
        if (c.key) {
            EXPECT_STREQ(key, c.key);
            EXPECT_STREQ(value, c.value);
        }
    }
    // A zero-size or missing output gives no item and no byte written.
    for (bool key_sized : {false, true}) {
        char key[4] = "k", value[4] = "v";
        EXPECT_EQ(varbuf_split_item("a=1", 0, key, key_sized ? 4 : 0, value, key_sized ? 0 : 4), kNotFound);
        EXPECT_STREQ(key_sized ? value : key, key_sized ? "v" : "k");
    }
    char value[4];
    EXPECT_EQ(varbuf_split_item("a=1", 0, nullptr, kKeyArea, value, sizeof value), kNotFound);
}

} // namespace
