// The UTF-8 copy of a UTF-16 text: a block of the promised size, freed with
// free(), whose text ends inside it even when the text is longer than told.
#include <windows.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>

#include "files/text_util_win.h"

namespace {

TEST(Utf8Alloc, TheBlockHasThePromisedSizeAndTheTextEndsInsideIt)
{
    const struct {
        const wchar_t *text;
        int length;
        const char *utf8;
    } cases[] = {
        {L"\u00c5\xd800", 2, "\xc3\x85\xef\xbf\xbd"}, // a lone surrogate as CP_UTF8 gives it
        {L"\u20ac\u20ac\u20ac", 1, "\xe2\x82\xac\xe2\x82\xac"}, // whole characters up to 8 bytes
    };
    for (const auto &c : cases) {
        char *utf8 = kavo::wsz_to_utf8_alloc(c.text, c.length);
        ASSERT_NE(utf8, nullptr);
        EXPECT_EQ(_msize(utf8), static_cast<std::size_t>(c.length) * 4 + 4);
        EXPECT_STREQ(utf8, c.utf8);
        std::free(utf8);
    }
    EXPECT_EQ(kavo::wsz_to_utf8_alloc(nullptr, 3), nullptr);
    EXPECT_EQ(kavo::wsz_to_utf8_alloc(L"x", -1), nullptr);
}

} // namespace
