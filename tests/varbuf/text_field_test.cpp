#include "util/text_field.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct FieldCase {
    const char *text;
    int n;
    const char *field;  // nullptr: no field
    const char *rest;   // what the returned position points at
};

TEST(TextField, EmptyFieldsAndTheEndGiveTheRightPosition)
{
    const FieldCase cases[] = {
        {"a||b", 0, "a", "|b"},
        {"a||b", 1, "", "b"},
        {"a||b", 2, "b", ""},
        {"a||b", 3, nullptr, nullptr},
        {"a|", 0, "a", ""},
        {"a|", 1, nullptr, nullptr},  // an empty last field is no field
        {"", 0, nullptr, nullptr},
        {"abc", 0, "abc", ""},
    };
    for (const FieldCase &c : cases) {
        char out[16] = "junk";
        const char *position = kavo::text_field(out, c.text, '|', c.n, sizeof out);
        SCOPED_TRACE(std::string(c.text) + " field " + std::to_string(c.n));
        if (!c.field) {
            EXPECT_EQ(position, nullptr);
            EXPECT_STREQ(out, "");
        } else {
            ASSERT_NE(position, nullptr);
            EXPECT_STREQ(out, c.field);
            EXPECT_STREQ(position, c.rest);
        }
    }
}

TEST(TextField, LongFieldIsCutAndItsRestSkipped)
{
    char out[4];
    const char *position = kavo::text_field(out, "abcdef|g", '|', 0, sizeof out);
    EXPECT_STREQ(out, "abc");
    ASSERT_NE(position, nullptr);
    EXPECT_STREQ(position, "g");
}

TEST(TextField, BadArgumentsGiveNoField)
{
    char out[8] = "x";
    EXPECT_EQ(kavo::text_field(out, nullptr, '|', 0, sizeof out), nullptr);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(kavo::text_field(out, "a", '|', -1, sizeof out), nullptr);
    EXPECT_EQ(kavo::text_field(out, "a", '|', 0, 0), nullptr);
    // With one byte only the NUL fits: the field exists but is empty.
    out[0] = 'x';
    EXPECT_NE(kavo::text_field(out, "abc", '|', 0, 1), nullptr);
    EXPECT_STREQ(out, "");
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

    char text[] = " x y  ";
    kavo::rtrim_blanks(text);
    EXPECT_STREQ(text, " x y");

    char out[8];
    std::memset(out, 'z', sizeof out);
    kavo::copy_trimmed(out, "abc   def", 5);
    EXPECT_STREQ(out, "abc");
    for (int i = 3; i <= 5; ++i)
        EXPECT_EQ(out[i], 0) << i;
    EXPECT_EQ(out[6], 'z'); // n + 1 bytes and no more
}

} // namespace
