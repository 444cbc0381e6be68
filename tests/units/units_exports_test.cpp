// Unit systems, value texts, unit-aware controls and the room absorption
// dialog through the DLL.  The values are the core's; here the current
// system, the messages of unknown ids and their owners, the ends of the
// host's buffers, the controls of a real window, and the dialog as a user
// drives it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "frame/language_files.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

using kavo_test::item_text;
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
        {"US", [&] { v_tosz(4, 1.0f, 1, out); }, {"Unknown unit transform request!"}},
        {"SI", [] { v_fit(16, 1234.0f, 0); }, Texts(2, "Unknown unit transform request!")},
        {"SI", [&] { unit_get_label(33, out); }, {"Unknown unit property (33)"}},
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
    wchar_t wide[16] = L"###############";
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
}

// How a typed text reads and the range's tolerance are the core's; here the
// edit's text is read and the value stored in base units, or refused in the
// way the warn level asks for.
TEST_F(UnitControls, TypedValueIsStoredInBaseUnitsOrRefusedAsTheWarnLevelSays)
{
    kavo_test::DialogWatch watch;
    float out = 0;
    unit_set_system("EURO");
    EXPECT_EQ(read("7,2", &out, 12, 1.0f, 2.0f), 0);
    EXPECT_FLOAT_EQ(out, 2.0f);
    // 0: silent; the focus stays where it was.
    EXPECT_EQ(read("", &out, 12, 1.0f, 2.0f, 0), -1);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, kOther));
    // 1: a beep and the focus, no message.
    EXPECT_EQ(read("99", &out, 12, 1.0f, 2.0f, 1), -1);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, kEdit));
    EXPECT_TRUE(watch.seen().empty());
    // 2 and more: the accepted range in display units, owned by the dialog.
    SetFocus(GetDlgItem(dialog_, kOther));
    EXPECT_EQ(read("100", &out, 12, 1.0f, 2.0f, 5), -1);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].message(), "4 ... 7 m\xB3/h");
    EXPECT_EQ(watch.seen()[0].owner, dialog_);
    EXPECT_EQ(watch.seen()[0].caption, "Kavo");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, kEdit));
    EXPECT_FLOAT_EQ(out, 2.0f) << "untouched on failure";
}

constexpr int kGroup = 60, kClassList = 190, kFirstEdit = 160, kUserClass = 5;
const float kGiven[8] = {0.30f, 0.31f, 0.32f, 0.33f, 0.34f, 0.35f, 0.36f, 0.37f};

void press(HWND dialog, int button) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

int enabled_edits(HWND dialog)
{
    int count = 0;
    for (int band = 0; band < 8; ++band)
        count += IsWindowEnabled(GetDlgItem(dialog, kFirstEdit + band)) != FALSE;
    return count;
}

// One run of the dialog: `script` drives it; the information boxes it
// raises are read and closed with OK.
struct DialogRun {
    int16_t absorption_class;
    float coefficients[8];
    int32_t result = 0;
    Texts messages;

    DialogRun(int16_t given_class, const std::function<void(HWND)> &script) : absorption_class(given_class)
    {
        std::memcpy(coefficients, kGiven, sizeof coefficients);
        kavo_test::DialogWatch watch;
        watch.set_action([&](HWND window) {
            if (GetDlgItem(window, kClassList)) {
                // Active before it is shown (its default focus): shown as its
                // loop would once idle, so "still shown" differs from "ended".
                ShowWindow(window, SW_SHOWNORMAL);
                script(window);
            }
            else
                PostMessageW(window, WM_COMMAND, IDOK, 0);
        });
        result = qa_absorption_dlg(nullptr, &absorption_class, coefficients);
        for (const auto &seen : watch.seen()) {
            if (!seen.message().empty())
                messages.push_back(seen.message());
        }
    }
};

using AbsorptionDialog = Units;

// The placement arithmetic is tested in util; here the dialog takes the
// real pointer: away from the edges its corner is 50 pixels up and left of
// it.  A language text replaces each template text (Cancel has none here);
// class names are cut to 18 characters, and those without one keep theirs.
TEST_F(AbsorptionDialog, OpensAtThePointerWithTheGivenValuesLockedInTheTextsOfTheLanguage)
{
    const auto files = kavo_test::run_langdb("id\t1512:English\n2001\tAccept\n23002\tRoom absorption\n"
                                             "23004\tAbsorption class\n23046\tA very long name for medium live\n",
                                             "kavo_absorption_texts");
    ASSERT_EQ(qlg_init(files.data.c_str(), files.index.c_str()), 0);
    qa_init_paths("Planner", "", "", "", "");
    RECT work{}, frame{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetCursorPos(work.left + 200, work.top + 200);
    Texts texts;
    int enabled = -1;
    DialogRun run(2, [&](HWND dialog) {
        GetWindowRect(dialog, &frame);
        texts = {kavo_test::window_text(dialog), item_text(dialog, kGroup), item_text(dialog, IDOK),
                 item_text(dialog, IDCANCEL), item_text(dialog, kClassList)};
        HWND list = GetDlgItem(dialog, kClassList);
        for (LRESULT i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
            char name[64] = "";
            SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            texts.push_back(name);
        }
        texts.push_back(item_text(dialog, kFirstEdit) + " " + item_text(dialog, kFirstEdit + 7));
        enabled = enabled_edits(dialog);
        press(dialog, IDOK);
    });
    qlg_release();
    files.remove();
    EXPECT_EQ(frame.left, work.left + 150);
    EXPECT_EQ(frame.top, work.top + 150);
    EXPECT_EQ(texts, (Texts{"Planner - Room absorption", "Absorption class", "Accept", "#Cancel", "Average", "Dead",
                            "Medium dead", "Average", "A very long name f", "Live", "User defined", "0.30 0.37"}));
    EXPECT_EQ(enabled, 0) << "only the user class is typed";
}

// Which values a class shows is the core's; here the edits follow the
// choice, and what is shown or typed comes back to the host on OK only.
TEST_F(AbsorptionDialog, ChoiceIsShownInTheEditsAndComesBackOnOkOnly)
{
    const struct {
        int16_t given;
        int chosen;
        const char *typed; // into every edit
        int button;
        const char *first_shown;
        float back_last;
    } cases[] = {
        {0, 3, nullptr, IDOK, "0.25", 0.23f},
        {1, 5, "0.66", IDOK, "0.00", 0.66f},
        {5, 1, nullptr, IDCANCEL, "0.24", kGiven[7]},
    };
    for (const auto &c : cases) {
        std::string first_shown;
        int enabled = -1;
        DialogRun run(c.given, [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, kClassList);
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(c.chosen), 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kClassList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
            first_shown = item_text(dialog, kFirstEdit);
            enabled = enabled_edits(dialog);
            for (int band = 0; c.typed && band < 8; ++band)
                SetDlgItemTextA(dialog, kFirstEdit + band, c.typed);
            press(dialog, c.button);
        });
        SCOPED_TRACE(testing::Message() << c.given << " to " << c.chosen << " closed by " << c.button);
        EXPECT_EQ(first_shown, c.first_shown);
        EXPECT_EQ(enabled, c.chosen == kUserClass ? 8 : 0);
        EXPECT_EQ(run.result, c.button == IDOK ? 0 : -1);
        EXPECT_EQ(run.absorption_class, c.button == IDOK ? c.chosen : c.given);
        EXPECT_EQ(run.coefficients[7], c.back_last);
    }
}

// Which texts read as what is the core's; here one out of range, which is
// explained, and one unreadable, which is not.
TEST_F(AbsorptionDialog, RefusedCoefficientKeepsTheDialogOpenWithTheFocusOnIt)
{
    const struct {
        const char *typed;
        Texts messages;
    } cases[] = {{"1.01", {"0.01 ... 1.00 !"}}, {"abc", {}}};
    for (const auto &c : cases) {
        bool open_with_focus_on_it = false;
        DialogRun run(kUserClass, [&](HWND dialog) {
            SetDlgItemTextA(dialog, kFirstEdit + 4, c.typed);
            press(dialog, IDOK);
            open_with_focus_on_it = IsWindowVisible(dialog) && GetFocus() == GetDlgItem(dialog, kFirstEdit + 4);
            press(dialog, IDCANCEL);
        });
        SCOPED_TRACE(c.typed);
        EXPECT_TRUE(open_with_focus_on_it);
        EXPECT_EQ(run.messages, c.messages);
    }
}

} // namespace
