// The room absorption dialog through the DLL, driven as a user would: a
// class chosen in the list, numbers typed into the edits, OK or Cancel.
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

constexpr int kGroup = 60, kClassList = 190, kFirstEdit = 160;
const float kGiven[8] = {0.30f, 0.31f, 0.32f, 0.33f, 0.34f, 0.35f, 0.36f, 0.37f};

void press(HWND dialog, int button) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

bool edits_enabled(HWND dialog, bool enabled)
{
    for (int band = 0; band < 8; ++band) {
        if ((IsWindowEnabled(GetDlgItem(dialog, kFirstEdit + band)) != FALSE) != enabled)
            return false;
    }
    return true;
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
                // The dialog is active before it is shown (its default focus);
                // show it as its loop would once idle, so "still shown" can be
                // told from "ended".
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

class AbsorptionDialog : public ::testing::Test {
protected:
    void SetUp() override { qa_init_paths("Planner", "", "", "", ""); }
    void TearDown() override { qa_init_paths("", "", "", "", ""); }
};

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
    RECT work{}, frame{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetCursorPos(work.left + 200, work.top + 200);
    Texts texts, shown;
    LRESULT chosen = -1;
    bool locked = false;
    DialogRun run(2, [&](HWND dialog) {
        GetWindowRect(dialog, &frame);
        texts = {kavo_test::window_text(dialog), item_text(dialog, kGroup), item_text(dialog, IDOK),
                 item_text(dialog, IDCANCEL)};
        HWND list = GetDlgItem(dialog, kClassList);
        for (LRESULT i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
            char name[64] = "";
            SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            texts.push_back(name);
        }
        chosen = SendMessageA(list, CB_GETCURSEL, 0, 0);
        for (int band = 0; band < 8; ++band)
            shown.push_back(item_text(dialog, kFirstEdit + band));
        locked = edits_enabled(dialog, false);
        press(dialog, IDOK);
    });
    qlg_release();
    files.remove();
    EXPECT_EQ(frame.left, work.left + 150);
    EXPECT_EQ(frame.top, work.top + 150);
    EXPECT_EQ(texts, (Texts{"Planner - Room absorption", "Absorption class", "Accept", "#Cancel", "Dead",
                            "Medium dead", "Average", "A very long name f", "Live", "User defined"}));
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(shown, (Texts{"0.30", "0.31", "0.32", "0.33", "0.34", "0.35", "0.36", "0.37"}));
    EXPECT_TRUE(locked) << "only the user class is typed";
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
        bool editable;
        float back_last;
    } cases[] = {
        {0, 3, nullptr, IDOK, "0.25", false, 0.23f},
        {1, 5, "0.66", IDOK, "0.00", true, 0.66f},
        {5, 1, nullptr, IDCANCEL, "0.24", false, kGiven[7]},
    };
    for (const auto &c : cases) {
        std::string first_shown;
        bool editable = false;
        DialogRun run(c.given, [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, kClassList);
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(c.chosen), 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kClassList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
            first_shown = item_text(dialog, kFirstEdit);
            editable = edits_enabled(dialog, true);
            for (int band = 0; c.typed && band < 8; ++band)
                SetDlgItemTextA(dialog, kFirstEdit + band, c.typed);
            press(dialog, c.button);
        });
        SCOPED_TRACE(testing::Message() << c.given << " to " << c.chosen << " closed by " << c.button);
        EXPECT_EQ(first_shown, c.first_shown);
        EXPECT_EQ(editable, c.editable);
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
        bool stayed_open = false, focused = false;
        DialogRun run(5, [&](HWND dialog) {
            SetDlgItemTextA(dialog, kFirstEdit + 4, c.typed);
            press(dialog, IDOK);
            stayed_open = IsWindowVisible(dialog) != FALSE;
            focused = GetFocus() == GetDlgItem(dialog, kFirstEdit + 4);
            press(dialog, IDCANCEL);
        });
        SCOPED_TRACE(c.typed);
        EXPECT_TRUE(stayed_open);
        EXPECT_TRUE(focused);
        EXPECT_EQ(run.messages, c.messages);
    }
}

} // namespace
