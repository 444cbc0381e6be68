// Unit-aware edit and static controls on a real dialog made from a template
// in memory.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

enum : WORD { kEdit = 101, kLabel = 102, kStatic = 103, kOther = 104 };

// A dialog from an in-memory template: edit controls 101, 103 and 104 and
// the static 102 (each item DWORD-aligned, class given by atom, no title).
INT_PTR CALLBACK plain_dialog_proc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

HWND create_value_dialog()
{
    std::vector<WORD> t = {LOWORD(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE),
                           HIWORD(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE), 0, 0, 4, 10, 10, 200, 100,
                           0, 0, 0};
    const struct {
        WORD id, class_atom, y;
    } items[] = {{kEdit, 0x0081, 5}, {kLabel, 0x0082, 25}, {kStatic, 0x0081, 45}, {kOther, 0x0081, 65}};
    for (const auto &item : items) {
        t.resize((t.size() + 1) / 2 * 2);
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
        t.insert(t.end(), {LOWORD(style), HIWORD(style), 0, 0, 5, item.y, 80, 12, item.id, 0xFFFF, item.class_atom,
                           0, 0});
    }
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE *>(t.data()), nullptr,
                                      plain_dialog_proc, 0);
}

class UnitControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog_ = create_value_dialog();
        ASSERT_NE(dialog_, nullptr);
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
    int32_t read(const char *typed, float *out, int32_t property, float minimum, float maximum, int32_t warn = 0)
    {
        SetDlgItemTextA(dialog_, kEdit, typed);
        return unit_get_edit(dialog_, kEdit, property, out, minimum, maximum, warn);
    }
    HWND dialog_ = nullptr;
};

TEST_F(UnitControls, SettersShowDisplayValueAndLabel)
{
    unit_set_system("EURO");
    EXPECT_NE(unit_set_edit(dialog_, kEdit, kLabel, 12, 1.0f), 0);
    EXPECT_EQ(text(kEdit), "4");
    EXPECT_EQ(text(kLabel), "m\xB3/h");
    EXPECT_EQ(SendDlgItemMessageA(dialog_, kEdit, EM_GETLIMITTEXT, 0, 0), 16);

    // No label control: the label is left alone.
    SetDlgItemTextA(dialog_, kLabel, "x");
    unit_set_edit(dialog_, kEdit, 0, 20, 21.26f);
    EXPECT_EQ(text(kEdit), "21.3");
    EXPECT_EQ(text(kLabel), "x");

    // The static form leaves the length limit alone.
    const LRESULT limit = SendDlgItemMessageA(dialog_, kStatic, EM_GETLIMITTEXT, 0, 0);
    unit_set_system("US");
    EXPECT_NE(unit_set_static(dialog_, kStatic, kLabel, 20, 20.0f), 0);
    EXPECT_EQ(text(kStatic), "68.0");
    EXPECT_EQ(text(kLabel), "\xB0" "F");
    EXPECT_EQ(SendDlgItemMessageA(dialog_, kStatic, EM_GETLIMITTEXT, 0, 0), limit);
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
