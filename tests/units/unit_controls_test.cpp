// Unit-aware edit and static controls in a real window with child controls.
#include <gtest/gtest.h>

#include <string>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

enum : int { kEdit = 101, kLabel = 102, kStatic = 103, kOther = 104 };

class UnitControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog_ = CreateWindowExA(0, "STATIC", "values", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(dialog_, nullptr);
        // kStatic is an edit too, so that a length limit set on it would show.
        for (int id : {kEdit, kLabel, kStatic, kOther})
            CreateWindowExA(0, id == kLabel ? "STATIC" : "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, id % 100 * 20,
                            80, 16, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        SetForegroundWindow(dialog_);
        SetFocus(GetDlgItem(dialog_, kOther));
        unit_set_system("SI");
    }
    void TearDown() override
    {
        DestroyWindow(dialog_);
        unit_set_system("NORDIC");
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
// the edit's text is read and the value stored in base units, or refused.
TEST_F(UnitControls, TypedDisplayValueIsStoredInBaseUnitsOrRefused)
{
    unit_set_system("EURO");
    const struct {
        const char *typed;
        int32_t result;
        float value;
    } cases[] = {{"7,2", 0, 2.0f}, {"7.3", -1, -1.0f}, {"", -1, -1.0f}};
    for (const auto &c : cases) {
        float out = -1.0f;
        EXPECT_EQ(read(c.typed, &out, 12, 1.0f, 2.0f), c.result) << c.typed;
        EXPECT_FLOAT_EQ(out, c.value) << c.typed << ": untouched on failure";
    }
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
