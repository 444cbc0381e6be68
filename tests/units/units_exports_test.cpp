// Unit systems and value texts through the DLL, with the messages that
// unknown property ids raise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

using Texts = std::vector<std::string>;

class Units : public ::testing::Test {
protected:
    void TearDown() override { unit_set_system("NORDIC"); }
    // The messages `watch` saw: the module's own boxes, without owner.
    static Texts messages(const kavo_test::DialogWatch &watch)
    {
        Texts texts;
        for (const auto &box : watch.seen()) {
            EXPECT_EQ(box.caption, "Kavo");
            EXPECT_EQ(box.owner, nullptr);
            texts.push_back(box.message());
        }
        return texts;
    }
};

TEST_F(Units, SystemChosenByName)
{
    EXPECT_EQ(unit_get_system(), 3) << "NORDIC until something chooses another";
    unit_set_system("eurospe");
    EXPECT_EQ(unit_get_system(), 2);
    EXPECT_EQ(unit_active_room_attenuation(), 4.0f);
    unit_set_system("imperial");
    EXPECT_EQ(unit_get_system(), 2) << "a name of none keeps the system";
    unit_set_system("us");
    EXPECT_EQ(unit_active_room_attenuation(), 10.0f);
}

TEST_F(Units, TransformationMessages)
{
    kavo_test::DialogWatch watch;
    unit_set_system("SI");
    EXPECT_EQ(unit_trans(99, 5.0f, 0), 5.0f) << "no message in SI";
    unit_set_system("EURO");
    EXPECT_FLOAT_EQ(unit_trans(12, 1.0f, 0x100), 3.6f) << "only the low byte of to_base counts";
    EXPECT_EQ(unit_trans(32, 2.0f, 0), 2.0f);
    unit_set_system("US");
    EXPECT_EQ(unit_trans(25, 7.0f, 0), 7.0f);
    EXPECT_EQ(v_tr(7, 0.6f, 0), 2.0f);
    EXPECT_EQ(v_tr(2, 3.0f, 0), 3.0f);
    EXPECT_EQ(messages(watch), (Texts{"Unknown unit transformation (Sys=1, Prop=32)",
                                      "Unknown unit transformation (Sys=4, Prop=25)",
                                      "Unknown unit transform request!"}));
}

TEST_F(Units, FitToTwoSignificantDigits)
{
    unit_set_system("SI");
    EXPECT_FLOAT_EQ(v_fit(4, 1234.0f, 1), 1300.0f);
    EXPECT_EQ(v_fit(4, -3.3f, 1), -3.3f);
    unit_set_system("US");
    EXPECT_NEAR(v_fit(4, 10.0f, 0), 33.0f * 0.3048f, 1e-5) << "rounded in feet, given back in metres";
    kavo_test::DialogWatch watch;
    EXPECT_FLOAT_EQ(v_fit(16, 1234.0f, 0), 1200.0f) << "computed with the value as it stands";
    EXPECT_EQ(messages(watch), (Texts(2, "Unknown unit transform request!")));
}

TEST_F(Units, LabelsAndDecimals)
{
    wchar_t wide[40];
    unit_set_system("US");
    EXPECT_EQ(unit_get_label_wsz(20, wide, sizeof wide), 3);
    EXPECT_EQ(std::wstring(wide), L"\u00B0F");
    EXPECT_EQ(unit_get_label_wsz(24, wide, 6), 0) << "Btu/h/ft@t2@@ does not fit 3 characters";
    EXPECT_EQ(unit_get_ndes(10), 2);
    unit_set_system("SI");
    EXPECT_EQ(unit_get_ndes(13), 3);

    kavo_test::DialogWatch watch;
    char out[22] = "untouched";
    unit_get_label(33, out);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(unit_get_label_wsz(9, wide, sizeof wide), 1) << "an empty text";
    EXPECT_EQ(unit_get_ndes(32), 0);
    EXPECT_EQ(messages(watch), (Texts{"Unknown unit property (33)", "Unknown unit property (9)",
                                      "Unknown property (32) for current unitsystem"}));
}

TEST_F(Units, ValueTexts)
{
    char out[80];
    unit_set_system("SI");
    unit_set_sz(out, 12, 1.5f, 1);
    EXPECT_STREQ(out, "2 dm\xB3/s");
    unit_set_system("EURO");
    unit_set_sz(out, 12, 1.0f, 0);
    EXPECT_STREQ(out, "4");
    unit_set_system("US");
    unit_set_sz(out, 20, 20.0f, 1);
    EXPECT_STREQ(out, "68.0 \xB0" "F");

    wchar_t wide[16];
    unit_set_wsz(wide, 16, 20, 20.0f, 1);
    EXPECT_EQ(std::wstring(wide), L"68.0 \u00B0F");
    std::fill(std::begin(wide), std::end(wide), L'#');
    unit_set_wsz(wide, 4, 20, 20.0f, 1);
    EXPECT_EQ(std::wstring(wide), L"68.");
    EXPECT_EQ(wide[4], L'#') << "nothing past out_chars";

    unit_set_system("NORDIC");
    kavo_test::DialogWatch watch;
    unit_set_sz(out, 32, 55.4f, 1);
    EXPECT_STREQ(out, "55 L@bp@@Are 10m@t2@@sab");
    EXPECT_EQ(messages(watch), (Texts{"Unknown property (32) for current unitsystem",
                                      "Unknown unit transformation (Sys=3, Prop=32)"}));
}

TEST_F(Units, OlderFormatterAndInchTexts)
{
    char out[40];
    unit_set_system("US");
    EXPECT_EQ(v_tosz(100, 0.6f, 2, out), out);
    EXPECT_STREQ(out, "2'0''");
    {
        kavo_test::DialogWatch watch;
        std::strcpy(out, "kept");
        v_tosz(4, 1.0f, 1, out);
        EXPECT_STREQ(out, "kept");
        EXPECT_EQ(messages(watch), (Texts{"Unknown unit transform request!"}));
    }
    unit_set_system("EURO");
    v_tosz(0, 1.0f, 1, out);
    EXPECT_STREQ(out, "3.6");
    v_tosz(4, 1.25f, 3, out);
    EXPECT_STREQ(out, "1.250");

    char text[48] = "2";
    EXPECT_EQ(unit_sz_inch_to_mm(text), 0);
    EXPECT_STREQ(text, "51");
    EXPECT_EQ(unit_sz_mm_to_inch(text), 0);
    EXPECT_STREQ(text, "2");
    std::strcpy(text, "abc");
    EXPECT_EQ(unit_sz_mm_to_inch(text), -1);
    EXPECT_STREQ(text, "abc");
}

} // namespace
