// The index of a text answers every key exactly as the find primitive does.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "varbuf/codec_support.h"
#include "varbuf/item_finder.h"

namespace {

struct Answer {
    int result;
    std::string value;
    bool operator==(const Answer &other) const { return result == other.result && value == other.value; }
};

void PrintTo(const Answer &a, std::ostream *os) { *os << a.result << " '" << a.value << "'"; }

Answer ask(const kavo::ItemFinder &finder, const char *key, int out_size = 300)
{
    std::string out(static_cast<std::size_t>(out_size > 0 ? out_size : 1), '\x7f');
    const int result = finder.find_sz(key, out.data(), out_size);
    return {result, out_size > 0 ? std::string(out.c_str()) : std::string()};
}

TEST(IndexedFinder, AnswersAsTheFindPrimitive)
{
    const std::string long_key(40, 'K');
    const std::string longer_key = long_key + "X";
    const std::string long_item = long_key + "=v|" + longer_key + "=w";
    // A search key longer than the 39 characters kept of an item's key
    // never equals one: the walk runs on to a malformed item or the end.
    const std::string key45(45, 'Q'), walk = key45 + "=1|A=2|bad|C=3";
    const std::string long_value = "K=" + std::string(400, 'v') + "|L=1";
    const struct {
        const char *text;
        std::vector<const char *> keys;
    } cases[] = {
        {"RCD=1|RNM=Room 1", {"RCD", "RNM", "rnm", "Rnm", "RN", "NM", "X"}},
        {"RAC=2|AC=A1,B2", {"AC", "RAC", "C"}},                      // a key that is the tail of another
        {"RNM=a|RNM=b|rnm=c", {"RNM", "rnm"}},                       // duplicates: the first
        {"rnm=c|RNM=b", {"RNM", "rnm"}},                             // case decides where the walk starts
        {"A=1|broken|B=2|C=", {"A", "B", "C", "broken"}},            // malformed items
        {"X=1|RNM =a|RNM=b", {"RNM", "RNM "}},                       // blanks before "="
        {"A=1||B=2", {"A", "B"}},                                    // an empty item ends the walk
        {"A==1|B=x=y|C= |D=  d  ", {"A", "B", "C", "D"}},           // second "=", blank values
        {"=1|A=2", {"", "A"}},                                       // items without key
        {"A|B=1|A|B=2", {"A|B", "B"}},                              // keys with separators
        {"A=1", {"A=", "=1"}},
        {"", {"A", ""}},
        {long_item.c_str(), {long_key.c_str(), longer_key.c_str()}}, // keys cut to 39 when read
        {walk.c_str(), {key45.c_str(), "C"}},
        {long_value.c_str(), {"K", "L"}}, // a value read cut to 299 characters
        {"\xe4x=1|\xc4X=2", {"\xe4x", "\xc4X", "\xc4x"}},            // Latin-1 letters
        // Keys around the 8 bytes compared as one word: same first 8 bytes,
        // other lengths or other bytes after them, items near the text's end.
        {"ABCDEFG=1|ABCDEFGH=2|ABCDEFGHI=3|ABCDEFGHJ=4|abcdefghj=5",
         {"ABCDEFG", "ABCDEFGH", "ABCDEFGHI", "ABCDEFGHJ", "abcdefghJ", "ABCDEFGHK", "ABCDEFGHIJ"}},
        {"AB=1|C=2", {"AB", "C", "A", "B"}},
        {"X=0|ABCDEFGHI=9", {"ABCDEFGHI", "ABCDEFGH"}},
        {"KEY\xf6=1|LONGKEY\xe5X=2|LONGKEYX\xe4=3", {"KEY\xf6", "KEY\xd6", "LONGKEY\xe5X", "LONGKEYX\xe4"}},
        {"K|=1|K=2", {"K|", "K"}},
    };
    for (const auto &c : cases) {
        kavo::LinearFinder linear(c.text);
        kavo::IndexedFinder indexed(c.text);
        for (const char *key : c.keys) {
            SCOPED_TRACE(std::string(c.text) + " / " + key);
            for (int out_size : {300, 2, 1, 0})
                EXPECT_EQ(ask(indexed, key, out_size), ask(linear, key, out_size));
        }
    }
}

TEST(IndexedFinder, TypedFindsReadNumbersAsThePrimitive)
{
    // Numbers of up to 8 bytes are read a word at a time: every form around
    // that path (signs, points, digit counts, other characters, the text's
    // end within 8 bytes) must read as the primitive reads it.
    const char *values[] = {"2.5",      "-0",        "-",         ".",        "1.",       ".5",       "-.5",
                            "1234567",  "12345678",  "1234567.",  "-1234567", "-12345.6", "00000001", "1.2.3",
                            "+5",       " 5",        "1e5",       "1E5",      "99999999", "-9999999", "65536",
                            "-32769",   "70000",     "12a",       "1-2",      "0.0000001", "7.3.2024", "abc",
                            "1234567890123456789012345678901234567890123456789012345678901234567890123456789012345",
                            "-1.5"}; // the last: fewer than 8 bytes before the text's end
    std::string text;
    std::vector<std::string> keys;
    for (const char *value : values) {
        keys.push_back("K" + std::to_string(keys.size()));
        text += (text.empty() ? "" : "|") + keys.back() + "=" + value;
    }
    keys.push_back("missing");
    kavo::LinearFinder linear(text.c_str());
    kavo::IndexedFinder indexed(text.c_str());
    for (const std::string &key : keys) {
        SCOPED_TRACE(key);
        float f1 = 9, f2 = 9;
        int16_t s1 = 9, s2 = 9;
        varbuf_date d1 = {1, 1, 1}, d2 = {1, 1, 1};
        EXPECT_EQ(indexed.find_flo(key.c_str(), &f1), linear.find_flo(key.c_str(), &f2));
        EXPECT_EQ(std::memcmp(&f1, &f2, sizeof f1), 0) << f1 << " " << f2; // -0 too
        EXPECT_EQ(indexed.find_sho(key.c_str(), &s1), linear.find_sho(key.c_str(), &s2));
        EXPECT_EQ(s1, s2);
        EXPECT_EQ(indexed.find_date(key.c_str(), &d1), linear.find_date(key.c_str(), &d2));
        EXPECT_EQ(std::memcmp(&d1, &d2, sizeof d1), 0);
    }
}

TEST(FindKey, EveryWayOfMakingAKeyGathersTheSame)
{
    // A literal, a pointer and a numbered key must carry the same facts,
    // or the index would answer one form and miss another.
    auto same = [](const kavo::FindKey &made, const char *text) {
        const kavo::FindKey walked = kavo::FindKey::of_text(text);
        EXPECT_STREQ(made.text(), text);
        EXPECT_EQ(made.plain_short(), walked.plain_short()) << text;
        if (walked.plain_short()) {
            EXPECT_EQ(made.head(), walked.head()) << text;
            EXPECT_EQ(made.length(), walked.length()) << text;
            EXPECT_EQ(made.hash(), walked.hash()) << text;
        }
    };
    same("RLE", "RLE");
    same("ABCDEFGH", "ABCDEFGH");
    same("ABCDEFGHI", "ABCDEFGHI"); // too long to gather
    same("A|B", "A|B");             // not plain
    same("RN ", "RN ");
    const struct {
        const char *prefix;
        int index;
        const char *text;
    } numbered[] = {{"IR", 0, "IR0"},           {"IR", 19, "IR19"},     {"W2", 3, "W23"},
                    {"ABCDEF", 99, "ABCDEF99"}, {"ABCDEFG", 10, "ABCDEFG10"}, {"IT", 100, "IT100"},
                    {"IT", -1, "IT-1"},         {"", 5, "5"},           {"K|", 1, "K|1"}};
    for (const auto &n : numbered) {
        SCOPED_TRACE(n.text);
        const kavo::codec::Key key(kavo::FindKey::of_text(n.prefix), n.index);
        EXPECT_STREQ(static_cast<const char *>(key), n.text);
        same(key, n.text);
    }
}

TEST(SeparatorMask, TheWordLoopAgreesWithTheVectorOne)
{
    // The 32-bit build takes the word loop; both must flag exactly the
    // bytes "|" and "=", whatever stands around them (high bytes too).
    const char alphabet[] = {'|', '=', 'A', '0', ' ', '\0', '\x7c' ^ '\x80', '\xbd', '\xff', '<', '>'};
    uint32_t state = 12345;
    for (int round = 0; round < 2000; ++round) {
        char block[64];
        uint64_t separators = 0, bars = 0;
        for (int i = 0; i < 64; ++i) {
            state = state * 1103515245u + 12345u;
            block[i] = alphabet[(state >> 16) % sizeof alphabet];
            separators |= uint64_t{block[i] == '|' || block[i] == '='} << i;
            bars |= uint64_t{block[i] == '|'} << i;
        }
        for (const auto masks : {kavo::detail::separator_masks(block), kavo::detail::separator_masks_portable(block)}) {
            ASSERT_EQ(masks.separators, separators);
            ASSERT_EQ(masks.bars, bars);
        }
    }
}

} // namespace
