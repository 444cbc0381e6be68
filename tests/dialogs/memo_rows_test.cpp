// Memo rows: where rows break, in characters and in Arial pixels, in both
// text forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/memo_rows.h"
#include "util/font_metrics.h"

namespace {

using Rows = std::vector<std::string>;

// Every row until the fetch gives 0 (at most 50).
Rows rows8(const std::string &text, uint16_t font_height, uint16_t max_width, uint32_t size = 100)
{
    qat_memoinfo info;
    kavo::memo_init(&info, text.c_str(), font_height, max_width);
    Rows out;
    std::vector<char> row(size + 1, '#');
    while (out.size() < 50 && kavo::memo_next_row(&info, row.data(), size) == 1)
        out.emplace_back(row.data());
    EXPECT_EQ(row[0], 0) << "the last fetch leaves an empty row";
    EXPECT_EQ(row[size], '#') << "nothing written past the buffer";
    return out;
}

int measure_narrowed(const uint16_t *row, std::size_t n, int height)
{
    std::string narrow;
    for (std::size_t i = 0; i < n; ++i)
        narrow += static_cast<char>(row[i]);
    return kavo::arial_text_width(narrow.c_str(), height);
}

Rows rows16(const std::string &text, uint16_t font_height, uint16_t max_width, uint32_t size = 100)
{
    std::u16string wide(text.begin(), text.end());
    qat_memoinfo info;
    kavo::memo_init16(&info, reinterpret_cast<const uint16_t *>(wide.c_str()), font_height, max_width);
    Rows out;
    std::vector<uint16_t> row(size + 1, 0x2323);
    while (out.size() < 50 && kavo::memo_next_row16(&info, row.data(), size, measure_narrowed) == 1) {
        std::string narrow;
        for (const uint16_t *p = row.data(); *p; ++p)
            narrow += static_cast<char>(*p);
        out.push_back(narrow);
    }
    EXPECT_EQ(row[size], 0x2323);
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
        {"two words at 8 characters", "hello world", 0, 8, 100, {"hello", "world"}},
        {"hard cuts", "abcdefghij", 0, 4, 100, {"abcd", "efgh", "ij"}},
        {"comma stays with its row", "a,b", 0, 2, 100, {"a,", "b"}},
        {"semicolon too", "ab;cd ef", 0, 4, 100, {"ab;", "cd", "ef"}},
        {"a break point first in the row", ",abcdef", 0, 4, 100, {",", "abcd", "ef"}},
        {"CR LF lines", "ab\r\ncd", 0, 10, 100, {"ab", "cd"}},
        {"empty line between", "ab\r\n\r\ncd", 0, 10, 100, {"ab", "", "cd"}},
        {"tabs inside are blanks", "a\tb", 0, 10, 100, {"a b"}},
        {"leading blanks skipped", "   \t x", 0, 10, 100, {"x"}},
        {"only blanks", "   ", 0, 10, 100, {}},
        {"empty text", "", 0, 10, 100, {}},
        {"buffer limits the row", "abcdefg", 0, 40, 4, {"abc", "def", "g"}},
        {"break point found after a buffer cut", "ab cdef", 0, 40, 5, {"ab", "cdef"}},
        {"max width 0 still makes progress", "abc", 0, 0, 100, {"a", "b", "c"}},
        {"high bytes are text", "\xE4\xF6 \xE5", 0, 2, 100, {"\xE4\xF6", "\xE5"}},
        // Pixels at height 10: "W" is 10, "i" 3, blank 3.
        {"pixels", "Wi Wi", 10, 14, 100, {"Wi", "Wi"}},
        {"pixels: a wide first character alone", "WW", 10, 5, 100, {"W", "W"}},
        {"pixels: exact fit", "WW", 10, 20, 100, {"WW"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(rows8(c.text, c.font_height, c.max_width, c.size), c.rows) << c.what;
        EXPECT_EQ(rows16(c.text, c.font_height, c.max_width, c.size), c.rows) << c.what << " (UTF-16)";
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
