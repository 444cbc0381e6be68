#include "util/text_field.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TextField, EmptyFieldsCutFieldsAndBadArgumentsGiveTheRightPosition)
{
    const struct {
        const char *text;
        int n, out_size;
        const char *field; // nullptr: no field
        const char *rest;  // what the returned position points at
    } cases[] = {
        {"a||b", 1, 16, "", "b"},
        {"a||b", 2, 16, "b", ""},
        {"a|", 1, 16, nullptr, nullptr}, // an empty last field is no field
        {"abcdef|g", 0, 4, "abc", "g"}, // a long field is cut and its rest skipped
        {"abc", 0, 1, "", ""},          // only the NUL fits: the field exists but is empty
        {nullptr, 0, 16, nullptr, nullptr},
        {"a", -1, 16, nullptr, nullptr},
        {"a", 0, 0, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        char out[16] = "junk";
        const char *position = kavo::text_field(out, c.text, '|', c.n, c.out_size);
        SCOPED_TRACE(std::string(c.text ? c.text : "null") + " field " + std::to_string(c.n));
        EXPECT_STREQ(position, c.rest);
        if (c.out_size > 0) {
            EXPECT_STREQ(out, c.field ? c.field : "");
        }
    }
}

TEST(TextField, Utf16SizesAreTakenInBytes)
{
    char16_t out[4];
    const char16_t text[] = u"\u00e4bcdef;x";
    const char16_t *position = kavo::text_field_w(out, text, u';', 0, 6); // room for 2 characters
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(std::u16string(out), u"\u00e4b");
    EXPECT_EQ(std::u16string(position), u"x");
    EXPECT_EQ(kavo::text_field_w(out, text, u';', 0, 1), nullptr);
    EXPECT_EQ(kavo::text_field_w(out, text, u';', 2, sizeof out), nullptr);
}

TEST(Trimming, OnlyTrailingBlanksGoAndNoByteBeyondTheCount)
{
    EXPECT_EQ(kavo::trimmed_length("  ab  ", 6), 4u);
    EXPECT_EQ(kavo::trimmed_length("ab  cd", 4), 2u); // the limit cuts first
    EXPECT_EQ(kavo::trimmed_length("ab", 0), 0u);
    EXPECT_EQ(kavo::trimmed_length("   ", 3), 0u);
    const char spaced[] = "    ";
    EXPECT_EQ(kavo::trimmed_length(spaced + 1, 3), 0u) << "a field of blanks: nothing before it is read";

    char text[] = " x y  ";
    kavo::rtrim_blanks(text);
    EXPECT_STREQ(text, " x y");

    char out[8];
    std::memset(out, 'z', sizeof out);
    kavo::copy_trimmed(out, "abc   def", 5);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(std::string(out + 3, 4), std::string("\0\0\0z", 4)) << "n + 1 bytes and no more";
    kavo::copy_trimmed(out, "xyz", 0);
    EXPECT_EQ(std::string(out, 2), std::string("\0b", 2)) << "no characters: the terminator alone";
}

} // namespace
