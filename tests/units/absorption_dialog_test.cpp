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

using kavo_test::DialogWatch;
using kavo_test::item_text;

constexpr int kGroup = 60, kClassList = 190, kFirstEdit = 160;
const float kGiven[8] = {0.30f, 0.31f, 0.32f, 0.33f, 0.34f, 0.35f, 0.36f, 0.37f};

std::vector<std::string> class_names(HWND dialog)
{
    std::vector<std::string> names;
    HWND list = GetDlgItem(dialog, kClassList);
    for (LRESULT i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
        char name[64] = "";
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

void choose_class(HWND dialog, int index)
{
    HWND list = GetDlgItem(dialog, kClassList);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kClassList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void type(HWND dialog, int band, const char *text) { SetDlgItemTextA(dialog, kFirstEdit + band, text); }

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
    std::vector<std::string> messages;

    DialogRun(int16_t given_class, const float *given, const std::function<void(HWND)> &script)
        : absorption_class(given_class)
    {
        std::memcpy(coefficients, given, sizeof coefficients);
        DialogWatch watch;
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

// Without language texts the template's texts and the default names stay;
// a text replaces each (Cancel has none here), names cut to 18 characters.
// The placement arithmetic is tested in util; here the dialog takes the
// real pointer and work area: away from the edges its corner is 50 pixels
// up and left of the pointer, near a corner it stays inside.
TEST_F(AbsorptionDialog, OpensNearThePointerWithTheGivenValuesAndTheTextsOfTheLanguage)
{
    using Texts = std::vector<std::string>;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const struct {
        POINT pointer;
        const char *language;
        Texts texts, names;
    } cases[] = {
        {{work.left + 200, work.top + 200},
         nullptr,
         {"Planner", "#ABSORPTION", "#OK", "#Cancel"},
         {"Dead", "Medium dead", "Average", "Medium live", "Live", "User defined"}},
        {{work.right - 1, work.bottom - 1},
         "id\t1512:English\n2001\tAccept\n23002\tRoom absorption\n23004\tAbsorption class\n"
         "23046\tA very long name for medium live\n23048\tLively\n",
         {"Planner - Room absorption", "Absorption class", "Accept", "#Cancel"},
         {"Dead", "Medium dead", "Average", "A very long name f", "Lively", "User defined"}},
    };
    for (const auto &c : cases) {
        kavo_test::LanguageFiles files;
        if (c.language) {
            files = kavo_test::run_langdb(c.language, "kavo_absorption_texts");
            ASSERT_EQ(qlg_init(files.data.c_str(), files.index.c_str()), 0);
        }
        SetCursorPos(c.pointer.x, c.pointer.y);
        Texts names, shown, texts;
        bool locked = false;
        RECT frame{};
        DialogRun run(2, kGiven, [&](HWND dialog) {
            GetWindowRect(dialog, &frame);
            names = class_names(dialog);
            EXPECT_EQ(SendDlgItemMessageA(dialog, kClassList, CB_GETCURSEL, 0, 0), 2);
            for (int band = 0; band < 8; ++band)
                shown.push_back(item_text(dialog, kFirstEdit + band));
            locked = edits_enabled(dialog, false);
            texts = {kavo_test::window_text(dialog), item_text(dialog, kGroup), item_text(dialog, IDOK),
                     item_text(dialog, IDCANCEL)};
            press(dialog, IDOK);
        });
        if (c.language) {
            qlg_release();
            files.remove();
        }
        if (c.language) {
            EXPECT_LE(frame.right, work.right - 10);
            EXPECT_LE(frame.bottom, work.bottom - 10);
        } else {
            EXPECT_EQ(frame.left, c.pointer.x - 50);
            EXPECT_EQ(frame.top, c.pointer.y - 50);
        }
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(shown, (Texts{"0.30", "0.31", "0.32", "0.33", "0.34", "0.35", "0.36", "0.37"}));
        EXPECT_TRUE(locked) << "only the user class is typed";
        EXPECT_EQ(run.result, 0);
        EXPECT_EQ(run.absorption_class, 2);
        EXPECT_EQ(std::memcmp(run.coefficients, kGiven, sizeof kGiven), 0);
    }
}

// Which values a class shows is the core's; here the edits follow the
// choice, and what is shown or typed comes back to the host on OK only.
TEST_F(AbsorptionDialog, ChoiceIsShownInTheEditsAndComesBackOnOkOnly)
{
    const struct {
        int16_t given;
        int chosen;
        const char *typed; // into every edit
        int button;        // 0: the close box
        int32_t result;
        int16_t back_class;
        const char *first_shown;
        bool editable;
        float back_last;
    } cases[] = {
        {0, 3, nullptr, IDOK, 0, 3, "0.25", false, 0.23f},
        {1, 5, "0.66", IDOK, 0, 5, "0.00", true, 0.66f},
        {5, 1, nullptr, IDCANCEL, -1, 5, "0.24", false, kGiven[7]},
        {5, 1, nullptr, 0, -1, 5, "0.24", false, kGiven[7]},
    };
    for (const auto &c : cases) {
        std::string first_shown;
        bool editable = false;
        DialogRun run(c.given, kGiven, [&](HWND dialog) {
            choose_class(dialog, c.chosen);
            first_shown = item_text(dialog, kFirstEdit);
            editable = edits_enabled(dialog, true);
            for (int band = 0; c.typed && band < 8; ++band)
                type(dialog, band, c.typed);
            if (c.button)
                press(dialog, c.button);
            else
                SendMessageW(dialog, WM_CLOSE, 0, 0);
        });
        SCOPED_TRACE(testing::Message() << c.given << " to " << c.chosen << " closed by " << c.button);
        EXPECT_EQ(first_shown, c.first_shown);
        EXPECT_EQ(editable, c.editable);
        EXPECT_EQ(run.result, c.result);
        EXPECT_EQ(run.absorption_class, c.back_class);
        EXPECT_EQ(run.coefficients[7], c.back_last);
    }
}

TEST_F(AbsorptionDialog, RefusedCoefficientKeepsTheDialogOpenWithTheFocusOnIt)
{
    const struct {
        const char *typed;
        bool accepted;
        bool explained; // the range message was shown
    } cases[] = {
        // Which texts read as what is the core's; one of each outcome here.
        {"0,5", true, false},
        {"1.01", false, true},
        {"abc", false, false},
    };
    for (const auto &c : cases) {
        bool stayed_open = false;
        HWND focus = nullptr, failed_edit = nullptr;
        DialogRun run(5, kGiven, [&](HWND dialog) {
            type(dialog, 4, c.typed);
            press(dialog, IDOK);
            if (c.accepted)
                return;
            stayed_open = IsWindowVisible(dialog) != FALSE;
            focus = GetFocus();
            failed_edit = GetDlgItem(dialog, kFirstEdit + 4);
            press(dialog, IDCANCEL);
        });
        SCOPED_TRACE(c.typed);
        if (c.accepted) {
            EXPECT_EQ(run.result, 0);
            EXPECT_EQ(run.coefficients[4], 0.5f);
            EXPECT_EQ(run.coefficients[5], kGiven[5]);
        } else {
            EXPECT_EQ(run.result, -1);
            EXPECT_TRUE(stayed_open);
            EXPECT_EQ(focus, failed_edit);
        }
        EXPECT_EQ(run.messages, c.explained ? std::vector<std::string>{"0.01 ... 1.00 !"} : std::vector<std::string>{});
    }
}

} // namespace
