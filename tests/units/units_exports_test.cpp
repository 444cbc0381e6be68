// Unit systems, transformations and value texts through the DLL, with the
// messages that unknown property ids raise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

// Runs each test in a known system and puts NORDIC back afterwards.
class Units : public ::testing::Test {
protected:
    void TearDown() override { unit_set_system("NORDIC"); }
    // The messages seen by `watch`, in order.
    static std::vector<std::string> messages(const kavo_test::DialogWatch &watch)
    {
        std::vector<std::string> texts;
        for (const auto &box : watch.seen()) {
            EXPECT_EQ(box.caption, "Kavo");
            EXPECT_EQ(box.owner, nullptr);
            texts.push_back(box.message());
        }
        return texts;
    }
    using Texts = std::vector<std::string>;
};

TEST_F(Units, SystemChosenByName)
{
    EXPECT_EQ(unit_get_system(), 3) << "NORDIC until something chooses another";
    const struct {
        const char *name;
        int32_t expected;
    } steps[] = {{"eurospe", 2}, {"imperial", 2}, {"us", 4}, {"Si", 0}, {"", 0}, {"Euro", 1}, {nullptr, 1}};
    for (const auto &step : steps) {
        unit_set_system(step.name);
        EXPECT_EQ(unit_get_system(), step.expected) << (step.name ? step.name : "null");
    }
    unit_set_system(std::string(500, 'u').c_str());
    EXPECT_EQ(unit_get_system(), 1) << "only the first 99 characters count";
}

TEST_F(Units, RoomAttenuationPerSystem)
{
    const char *names[] = {"SI", "EURO", "EUROSPE", "NORDIC", "US"};
    const float expected[] = {4.0f, 8.0f, 4.0f, 4.0f, 10.0f};
    for (int i = 0; i < 5; ++i) {
        unit_set_system(names[i]);
        EXPECT_EQ(unit_active_room_attenuation(), expected[i]) << names[i];
    }
}

TEST_F(Units, TransformationsAndTheirMessages)
{
    kavo_test::DialogWatch watch;
    unit_set_system("SI");
    EXPECT_EQ(unit_trans(12, 1.0f, 0), 1.0f);
    EXPECT_EQ(unit_trans(99, 5.0f, 0), 5.0f);
    unit_set_system("EURO");
    EXPECT_FLOAT_EQ(unit_trans(12, 1.0f, 0), 3.6f);
    EXPECT_FLOAT_EQ(unit_trans(12, 3.6f, 0x100 | 1), 1.0f);
    EXPECT_FLOAT_EQ(unit_trans(12, 1.0f, 0x100), 3.6f) << "only the low byte of to_base counts";
    EXPECT_EQ(unit_trans(32, 2.0f, 0), 2.0f);
    unit_set_system("NORDIC");
    EXPECT_EQ(unit_trans(12, 1.0f, 0), 1.0f);
    unit_set_system("US");
    EXPECT_FLOAT_EQ(unit_trans(20, 20.0f, 0), 68.0f);
    EXPECT_FLOAT_EQ(unit_trans(20, 68.0f, 1), 20.0f);
    EXPECT_EQ(unit_trans(25, 7.0f, 0), 7.0f);
    EXPECT_EQ(messages(watch), (Texts{"Unknown unit transformation (Sys=1, Prop=32)",
                                      "Unknown unit transformation (Sys=4, Prop=25)"}));
}

TEST_F(Units, OlderTransformationsAndTheirMessage)
{
    kavo_test::DialogWatch watch;
    unit_set_system("US");
    EXPECT_EQ(v_tr(7, 0.6f, 0), 2.0f);
    EXPECT_EQ(v_tr(8, 0.6f, 0), 0.0f);
    EXPECT_EQ(v_tr(7, 0.3f, 0), 1.0f);
    EXPECT_EQ(v_tr(8, 0.3f, 0), 0.0f);
    EXPECT_EQ(v_tr(2, 3.0f, 0), 3.0f);
    EXPECT_TRUE(watch.seen().size() == 1 && watch.seen()[0].message() == "Unknown unit transform request!");
    unit_set_system("EURO");
    EXPECT_FLOAT_EQ(v_tr(0, 1.0f, 0), 3.6f);
    EXPECT_EQ(v_tr(13, 3.0f, 1), 3.0f);
    EXPECT_EQ(messages(watch), (Texts(2, "Unknown unit transform request!")));
}

TEST_F(Units, FitToTwoSignificantDigits)
{
    unit_set_system("SI");
    EXPECT_FLOAT_EQ(v_fit(4, 1234.0f, 0), 1200.0f);
    EXPECT_FLOAT_EQ(v_fit(4, 1234.0f, 1), 1300.0f);
    EXPECT_FLOAT_EQ(v_fit(4, 1234.0f, -1), 1200.0f);
    EXPECT_EQ(v_fit(4, 0.0f, 1), 0.0f);
    EXPECT_EQ(v_fit(4, -3.3f, 1), -3.3f);
    // Rounded in feet, handed back in metres.
    unit_set_system("US");
    EXPECT_NEAR(v_fit(4, 10.0f, 0), 33.0f * 0.3048f, 1e-5);
    {
        kavo_test::DialogWatch watch;
        EXPECT_FLOAT_EQ(v_fit(16, 1234.0f, 0), 1200.0f) << "computed with the value as it stands";
        EXPECT_EQ(messages(watch), (Texts(2, "Unknown unit transform request!")));
    }
}

TEST_F(Units, LabelsInWindows1252AndUtf16)
{
    char out[22];
    unit_set_system("EURO");
    unit_get_label(12, out);
    EXPECT_STREQ(out, "m\xB3/h");
    unit_get_label(27, out);
    EXPECT_STREQ(out, "dB(A) 25m@t2@@sab");
    unit_set_system("EUROSPE");
    unit_get_label(27, out);
    EXPECT_STREQ(out, "dB(A) 10m@t2@@sab");

    wchar_t wide[40];
    EXPECT_EQ(unit_get_label_wsz(31, wide, sizeof wide), 3);
    EXPECT_EQ(std::wstring(wide), L"m\u00B2");
    unit_set_system("US");
    EXPECT_EQ(unit_get_label_wsz(20, wide, sizeof wide), 3);
    EXPECT_EQ(std::wstring(wide), L"\u00B0F");
    wchar_t small[3] = {L'#', L'#', L'#'};
    EXPECT_EQ(unit_get_label_wsz(24, small, sizeof small), 0) << "Btu/h/ft@t2@@ does not fit 3 characters";
    EXPECT_EQ(unit_get_label_wsz(24, wide, 0), 0);

    kavo_test::DialogWatch watch;
    std::memcpy(out, "untouched", 10);
    unit_get_label(33, out);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(unit_get_label_wsz(9, wide, sizeof wide), 1);
    EXPECT_EQ(wide[0], 0);
    EXPECT_EQ(unit_get_ndes(32), 0);
    EXPECT_EQ(unit_get_ndes(13), 2);
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
    unit_set_sz(out, 13, 1.0f, 1);
    EXPECT_STREQ(out, "15.85 gpm");

    wchar_t wide[16];
    unit_set_wsz(wide, 16, 20, 20.0f, 1);
    EXPECT_EQ(std::wstring(wide), L"68.0 \u00B0F");
    unit_set_wsz(wide, 16, 20, 20.0f, 0);
    EXPECT_EQ(std::wstring(wide), L"68.0");
    std::fill(std::begin(wide), std::end(wide), L'#');
    unit_set_wsz(wide, 4, 20, 20.0f, 1);
    EXPECT_EQ(std::wstring(wide), L"68.");
    EXPECT_EQ(wide[4], L'#') << "nothing past out_chars";
}

TEST_F(Units, ValueTextsOfUnknownIdsShowEveryMessage)
{
    kavo_test::DialogWatch watch;
    char out[80];
    unit_set_system("NORDIC");
    unit_set_sz(out, 32, 55.4f, 1);
    EXPECT_STREQ(out, "55 L@bp@@Are 10m@t2@@sab");
    EXPECT_EQ(messages(watch), (Texts{"Unknown property (32) for current unitsystem",
                                      "Unknown unit transformation (Sys=3, Prop=32)"}));
}

TEST_F(Units, OlderFormatterWithFeetAndInches)
{
    char out[40];
    unit_set_system("US");
    EXPECT_EQ(v_tosz(100, 0.6f, 2, out), out);
    EXPECT_STREQ(out, "2'0''");
    v_tosz(10, 20.0f, 1, out);
    EXPECT_STREQ(out, "68.0");
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
    unit_set_system("SI");
    v_tosz(77, 2.5f, 0, out);
    EXPECT_STREQ(out, "2") << "any id is written as given";
}

TEST_F(Units, InchAndMillimetreTexts)
{
    char text[48] = "2";
    EXPECT_EQ(unit_sz_inch_to_mm(text), 0);
    EXPECT_STREQ(text, "51");
    EXPECT_EQ(unit_sz_mm_to_inch(text), 0);
    EXPECT_STREQ(text, "2");
    std::strcpy(text, "");
    EXPECT_EQ(unit_sz_inch_to_mm(text), -1);
    std::strcpy(text, "abc");
    EXPECT_EQ(unit_sz_mm_to_inch(text), -1);
    EXPECT_STREQ(text, "abc");
}

} // namespace
