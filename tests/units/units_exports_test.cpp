// Unit systems, value texts and unit-aware controls through the DLL: the
// values are the core's (tested there); here the module's current system,
// the messages that unknown ids raise and their owners, the ends of the
// host's buffers, and what the controls in a real window show and read.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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
};

TEST_F(Units, SystemIsNordicUntilANameChoosesAnother)
{
    EXPECT_EQ(unit_get_system(), 3);
    unit_set_system("eurospe");
    EXPECT_EQ(unit_get_system(), 2);
    EXPECT_EQ(unit_active_room_attenuation(), 4.0f);
}

TEST_F(Units, UnknownIdsRaiseTheirMessageInAnOwnerlessModuleBox)
{
    char out[40] = "untouched";
    const struct {
        const char *system;
        std::function<void()> call;
        Texts messages;
    } cases[] = {
        {"SI", [] { unit_trans(99, 5.0f, 0); }, {}},
        {"EURO", [] { unit_trans(32, 2.0f, 0); }, {"Unknown unit transformation (Sys=1, Prop=32)"}},
        {"US", [&] { v_tosz(4, 1.0f, 1, out); }, {"Unknown unit transform request!"}},
        {"SI", [] { v_fit(16, 1234.0f, 0); }, Texts(2, "Unknown unit transform request!")},
        {"SI", [&] { unit_get_label(33, out); }, {"Unknown unit property (33)"}},
        {"SI", [] { unit_get_ndes(32); }, {"Unknown property (32) for current unitsystem"}},
        {"NORDIC", [&] { unit_set_sz(out, 32, 55.4f, 1); },
         {"Unknown property (32) for current unitsystem", "Unknown unit transformation (Sys=3, Prop=32)"}},
    };
    for (const auto &c : cases) {
        unit_set_system(c.system);
        kavo_test::DialogWatch watch;
        c.call();
        Texts seen;
        for (const auto &box : watch.seen()) {
            EXPECT_EQ(box.caption, "Kavo");
            EXPECT_EQ(box.owner, nullptr);
            seen.push_back(box.message());
        }
        EXPECT_EQ(seen, c.messages);
    }
    EXPECT_STREQ(out, "55 L@bp@@Are 10m@t2@@sab") << "the value is still written";
}

TEST_F(Units, WideTextsStopAtTheHostsBuffer)
{
    unit_set_system("US");
    wchar_t wide[16];
    std::fill(std::begin(wide), std::end(wide), L'#');
    unit_set_wsz(wide, 4, 20, 20.0f, 1);
    EXPECT_EQ(std::wstring(wide), L"68.");
    EXPECT_EQ(wide[4], L'#') << "nothing past out_chars";
    EXPECT_EQ(unit_get_label_wsz(20, wide, sizeof wide), 3);
    EXPECT_EQ(std::wstring(wide), L"\u00B0F");
    EXPECT_EQ(unit_get_label_wsz(24, wide, 6), 0) << "Btu/h/ft@t2@@ does not fit 3 characters";
}

enum : int { kEdit = 101, kLabel = 102, kStatic = 103, kOther = 104 };

class UnitControls : public Units {
protected:
    void SetUp() override
    {
        dialog_ = CreateWindowExA(0, "STATIC", "values", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(dialog_, nullptr);
        // kStatic is an edit too, so that a length limit set on it would show.
        for (int id : {kEdit, kLabel, kStatic, kOther})
            CreateWindowExA(0, id == kLabel ? "STATIC" : "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 5,
                            id % 100 * 20, 80, 16, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                            nullptr);
        SetForegroundWindow(dialog_);
        SetFocus(GetDlgItem(dialog_, kOther));
        unit_set_system("SI");
    }
    void TearDown() override
    {
        DestroyWindow(dialog_);
        Units::TearDown();
    }
    std::string text(int id) const { return kavo_test::item_text(dialog_, id); }
    LRESULT limit(int id) const { return SendDlgItemMessageA(dialog_, id, EM_GETLIMITTEXT, 0, 0); }
    int32_t read(const char *typed, float *out, int32_t property, float minimum, float maximum, int32_t warn = 0)
    {
        SetDlgItemTextA(dialog_, kEdit, typed);
        return unit_get_edit(dialog_, kEdit, property, out, minimum, maximum, warn);
    }
    HWND dialog_ = nullptr;
};

TEST_F(UnitControls, SettersShowDisplayValueAndLabelAndOnlyTheEditIsLimited)
{
    unit_set_system("EURO");
    EXPECT_NE(unit_set_edit(dialog_, kEdit, kLabel, 12, 1.0f), 0);
    EXPECT_EQ(text(kEdit) + " " + text(kLabel), "4 m\xB3/h");
    EXPECT_EQ(limit(kEdit), 16);
    SetDlgItemTextA(dialog_, kLabel, "x");
    unit_set_edit(dialog_, kEdit, 0, 20, 21.26f);
    EXPECT_EQ(text(kEdit) + " " + text(kLabel), "21.3 x") << "no label control: the label is left alone";

    const LRESULT static_limit = limit(kStatic);
    unit_set_system("US");
    EXPECT_NE(unit_set_static(dialog_, kStatic, kLabel, 20, 20.0f), 0);
    EXPECT_EQ(text(kStatic) + " " + text(kLabel), "68.0 \xB0" "F");
    EXPECT_EQ(limit(kStatic), static_limit);
    EXPECT_NE(unit_set_static_label(dialog_, kLabel, 31), 0);
    EXPECT_EQ(text(kLabel), "ft\xB2");
}

// How a typed text reads and the range's tolerance are the core's; here
// the edit's text is read and the value stored in base units.
TEST_F(UnitControls, TypedDisplayValueIsStoredInBaseUnits)
{
    unit_set_system("EURO");
    float out = -1.0f;
    EXPECT_EQ(read("7,2", &out, 12, 1.0f, 2.0f), 0);
    EXPECT_FLOAT_EQ(out, 2.0f);
}

TEST_F(UnitControls, WarnLevelDecidesBeepFocusAndOwnedMessage)
{
    kavo_test::DialogWatch watch;
    float out = 0;
    // 0: silent; the focus stays where it was.
    EXPECT_EQ(read("", &out, 25, 10.0f, 20.0f, 0), -1);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, kOther));
    // 1: a beep and the focus, no message.
    EXPECT_EQ(read("99", &out, 25, 10.0f, 20.0f, 1), -1);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, kEdit));
    EXPECT_TRUE(watch.seen().empty());
    // 2 and more: the accepted range in display units, owned by the dialog.
    SetFocus(GetDlgItem(dialog_, kOther));
    unit_set_system("EURO");
    EXPECT_EQ(read("100", &out, 12, 1.0f, 2.0f, 5), -1);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].message(), "4 ... 7 m\xB3/h");
    EXPECT_EQ(watch.seen()[0].owner, dialog_);
    EXPECT_EQ(watch.seen()[0].caption, "Kavo");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, kEdit));
    EXPECT_EQ(out, 0.0f) << "untouched on failure";
}

} // namespace
