// Memo rows: where rows break, in characters and in Arial pixels, in both
// text forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/memo_rows.h"
#include "util/font_metrics.h"

namespace {

using Rows = std::vector<std::string>;

int measure_narrowed(const uint16_t *row, std::size_t n, int height)
{
    const std::string narrow(row, row + n);
    return kavo::arial_text_width(narrow.c_str(), height);
}

// Every row until the fetch gives 0 (at most 50), of the 8-bit or the
// UTF-16 form of `text` (UTF-16 rows measured as their narrowed text).
template <typename Unit>
Rows rows_of(const std::string &text, uint16_t font_height, uint16_t max_width, uint32_t size)
{
    std::vector<Unit> units(text.begin(), text.end());
    units.push_back(0);
    std::vector<Unit> row(size + 1, Unit('#'));
    qat_memoinfo info;
    auto next = [&] {
        if constexpr (sizeof(Unit) == 1)
            return kavo::memo_next_row(&info, row.data(), size);
        else
            return kavo::memo_next_row16(&info, row.data(), size, measure_narrowed);
    };
    if constexpr (sizeof(Unit) == 1)
        kavo::memo_init(&info, units.data(), font_height, max_width);
    else
        kavo::memo_init16(&info, units.data(), font_height, max_width);
    Rows out;
    while (out.size() < 50 && next() == 1)
        out.emplace_back(row.begin(), std::find(row.begin(), row.end(), Unit(0)));
    EXPECT_EQ(row[0], Unit(0)) << "the last fetch leaves an empty row";
    EXPECT_EQ(row[size], Unit('#')) << "nothing written past the buffer";
    return out;
}

TEST(MemoRows, BreaksInCharactersAndPixels)
{
    const struct {
        const char *what;
        std::string text;
        uint16_t font_height, max_width;
        uint32_t size;
        Rows rows;
    } cases[] = {
        {"hard cuts", "abcdefghij", 0, 4, 100, {"abcd", "efgh", "ij"}},
        {"a semicolon stays with its row", "ab;cd ef", 0, 4, 100, {"ab;", "cd", "ef"}},
        {"a break point first in the row", ",abcdef", 0, 4, 100, {",", "abcd", "ef"}},
        {"empty line between", "ab\r\n\r\ncd", 0, 10, 100, {"ab", "", "cd"}},
        {"tabs inside are blanks", "a\tb", 0, 10, 100, {"a b"}},
        {"leading blanks skipped", "   \t x", 0, 10, 100, {"x"}},
        {"only blanks", "   ", 0, 10, 100, {}},
        {"buffer limits the row", "abcdefg", 0, 40, 4, {"abc", "def", "g"}},
        {"break point found after a buffer cut", "ab cdef", 0, 40, 5, {"ab", "cdef"}},
        {"high bytes are text", "\xE4\xF6 \xE5", 0, 2, 100, {"\xE4\xF6", "\xE5"}},
        // Pixels at height 10: "W" is 10, "i" 3, blank 3.
        {"pixels", "Wi Wi", 10, 14, 100, {"Wi", "Wi"}},
        {"pixels: a wide first character alone", "WW", 10, 5, 100, {"W", "W"}},
        {"pixels: exact fit", "WW", 10, 20, 100, {"WW"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(rows_of<char>(c.text, c.font_height, c.max_width, c.size), c.rows) << c.what;
        EXPECT_EQ(rows_of<uint16_t>(c.text, c.font_height, c.max_width, c.size), c.rows) << c.what << " (UTF-16)";
    }
}

TEST(MemoRows, SmallBuffersAndBrokenRecords)
{
    qat_memoinfo info;
    kavo::memo_init(&info, "abc", 0, 10);
    char row[2] = {'x', 'x'};
    EXPECT_EQ(kavo::memo_next_row(&info, row, 0), 0);
    EXPECT_EQ(row[0], 'x') << "a zero-size row is never written";
    EXPECT_EQ(kavo::memo_next_row(&info, row, 1), 0) << "no room for a character";
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[1], 'x');
    EXPECT_EQ(kavo::memo_next_row(&info, row, 2), 1);
    EXPECT_STREQ(row, "a");
    info.position = -3;
    EXPECT_EQ(kavo::memo_next_row(&info, row, 2), 0);
    kavo::memo_init(&info, nullptr, 0, 10);
    EXPECT_EQ(info.length, 0);
    EXPECT_EQ(kavo::memo_next_row(&info, row, 2), 0);
}

} // namespace
