// The UTF-8 copy of a UTF-16 text: the core's converter must give what the
// platform's CP_UTF8 conversion gives, lone surrogates included, in a block
// of the promised size.
#include <windows.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <string>

#include "files/text_util_win.h"

namespace {

TEST(Utf8Alloc, AgreesWithThePlatformConversion)
{
    const std::wstring texts[] = {L"", L"plain", L"\u00c5re \u00e4\u00f6", L"\U0001F600x", L"a\xd800", L"\xdc00z",
                                  L"\xd800\xd800", L"\xdbff\xdfff", L"\xdfff\xd800!", std::wstring(21, L'\u20ac')};
    for (const std::wstring &text : texts) {
        const int length = static_cast<int>(text.size());
        char *utf8 = kavo::wsz_to_utf8_alloc(text.c_str(), length);
        ASSERT_NE(utf8, nullptr);
        EXPECT_EQ(_msize(utf8), static_cast<std::size_t>(length) * 4 + 4) << "the block the callers rely on";
        char expected[128] = "";
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, expected, sizeof expected, nullptr, nullptr);
        EXPECT_STREQ(utf8, expected) << "text of " << length << " units";
        std::free(utf8);
    }
}

TEST(Utf8Alloc, ALongerTextStillEndsInsideItsBlock)
{
    char *utf8 = kavo::wsz_to_utf8_alloc(L"\u20ac\u20ac\u20ac", 1);
    ASSERT_NE(utf8, nullptr);
    EXPECT_STREQ(utf8, "\xe2\x82\xac\xe2\x82\xac") << "whole characters up to the block's end, 8 bytes for one unit";
    std::free(utf8);
    EXPECT_EQ(kavo::wsz_to_utf8_alloc(nullptr, 3), nullptr);
    EXPECT_EQ(kavo::wsz_to_utf8_alloc(L"x", -1), nullptr);
}

} // namespace
