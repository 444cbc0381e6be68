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

// Title, group box, OK and Cancel.
std::vector<std::string> fixed_texts(HWND dialog)
{
    return {kavo_test::window_text(dialog), item_text(dialog, kGroup), item_text(dialog, IDOK),
            item_text(dialog, IDCANCEL)};
}

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

TEST_F(AbsorptionDialog, OpensWithTheGivenValuesAndTheClassNames)
{
    std::vector<std::string> names, shown, texts;
    bool locked = false;
    DialogRun run(2, kGiven, [&](HWND dialog) {
        names = class_names(dialog);
        EXPECT_EQ(SendDlgItemMessageA(dialog, kClassList, CB_GETCURSEL, 0, 0), 2);
        for (int band = 0; band < 8; ++band)
            shown.push_back(item_text(dialog, kFirstEdit + band));
        locked = edits_enabled(dialog, false);
        texts = fixed_texts(dialog);
        press(dialog, IDOK);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Dead", "Medium dead", "Average", "Medium live", "Live",
                                               "User defined"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"0.30", "0.31", "0.32", "0.33", "0.34", "0.35", "0.36", "0.37"}));
    EXPECT_TRUE(locked) << "only the user class is typed";
    // Without language texts the template's texts stay.
    EXPECT_EQ(texts, (std::vector<std::string>{"Planner", "#ABSORPTION", "#OK", "#Cancel"}));
    // The table is applied only when the class changes.
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.absorption_class, 2);
    EXPECT_EQ(std::memcmp(run.coefficients, kGiven, sizeof kGiven), 0);
}

TEST_F(AbsorptionDialog, ChosenClassComesBackWithItsTableValues)
{
    DialogRun run(0, kGiven, [](HWND dialog) {
        choose_class(dialog, 3);
        EXPECT_EQ(item_text(dialog, kFirstEdit + 2), "0.15");
        press(dialog, IDOK);
    });
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.absorption_class, 3);
    EXPECT_EQ(run.coefficients[2], 0.15f) << "the table's values, as shown";
}

TEST_F(AbsorptionDialog, CancelChangesNothing)
{
    for (int button : {IDCANCEL, 0 /* the close box */}) {
        DialogRun run(5, kGiven, [&](HWND dialog) {
            choose_class(dialog, 1);
            if (button)
                press(dialog, button);
            else
                SendMessageW(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(run.result, -1);
        EXPECT_EQ(run.absorption_class, 5);
        EXPECT_EQ(std::memcmp(run.coefficients, kGiven, sizeof kGiven), 0);
    }
}

TEST_F(AbsorptionDialog, RefusedCoefficientKeepsTheDialogOpenWithTheFocusOnIt)
{
    const struct {
        const char *typed;
        bool accepted;
        float value;
        bool explained; // the range message was shown
    } cases[] = {
        // Which texts read as what is the core's; one of each outcome here.
        {"0,5", true, 0.5f, false},
        {"1.01", false, 0, true},
        {"abc", false, 0, false},
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
        if (c.accepted) {
            EXPECT_EQ(run.result, 0) << c.typed;
            EXPECT_EQ(run.coefficients[4], c.value) << c.typed;
            EXPECT_EQ(run.coefficients[5], kGiven[5]) << c.typed;
        } else {
            EXPECT_EQ(run.result, -1) << c.typed;
            EXPECT_TRUE(stayed_open) << c.typed;
            EXPECT_EQ(focus, failed_edit) << c.typed;
        }
        const std::vector<std::string> expected_messages =
            c.explained ? std::vector<std::string>{"0.01 ... 1.00 !"} : std::vector<std::string>{};
        EXPECT_EQ(run.messages, expected_messages) << c.typed;
    }
}

TEST_F(AbsorptionDialog, UserValuesAreThoseGivenAtTheStart)
{
    bool unlocked = false;
    std::string back_again;
    DialogRun run(5, kGiven, [&](HWND dialog) {
        unlocked = edits_enabled(dialog, true);
        type(dialog, 0, "0.9");
        choose_class(dialog, 2);
        choose_class(dialog, 5);
        back_again = item_text(dialog, kFirstEdit);
        press(dialog, IDOK);
    });
    EXPECT_TRUE(unlocked);
    EXPECT_EQ(back_again, "0.30");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(std::memcmp(run.coefficients, kGiven, sizeof kGiven), 0);

    // Given another class, the user class starts from zeros.
    std::string first;
    DialogRun other(1, kGiven, [&](HWND dialog) {
        choose_class(dialog, 5);
        first = item_text(dialog, kFirstEdit);
        unlocked = edits_enabled(dialog, true);
        type(dialog, 7, "0.66");
        for (int band = 0; band < 7; ++band)
            type(dialog, band, "0.5");
        press(dialog, IDOK);
    });
    EXPECT_EQ(first, "0.00");
    EXPECT_TRUE(unlocked);
    EXPECT_EQ(other.result, 0);
    EXPECT_EQ(other.absorption_class, 5);
    EXPECT_EQ(other.coefficients[7], 0.66f);
}

TEST_F(AbsorptionDialog, OpensNearThePointerInsideTheWorkArea)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const POINT pointers[] = {{work.left, work.top},
                              {(work.left + work.right) / 2, (work.top + work.bottom) / 2},
                              {work.right - 1, work.bottom - 1}};
    for (const POINT &pointer : pointers) {
        SetCursorPos(pointer.x, pointer.y);
        POINT at{};
        GetCursorPos(&at);
        RECT frame{};
        DialogRun run(2, kGiven, [&](HWND dialog) {
            GetWindowRect(dialog, &frame);
            press(dialog, IDCANCEL);
        });
        const std::string where = std::to_string(at.x) + "," + std::to_string(at.y);
        EXPECT_GE(frame.left, work.left + 10) << where;
        EXPECT_GE(frame.top, work.top + 10) << where;
        EXPECT_LE(frame.right, work.right - 10) << where;
        EXPECT_LE(frame.bottom, work.bottom - 10) << where;
        // Away from the edges its corner is 50 pixels up and left of the pointer.
        if (at.x - 50 >= work.left + 10 && at.x + 400 < work.right && at.y - 50 >= work.top + 10 &&
            at.y + 300 < work.bottom) {
            EXPECT_EQ(frame.left, at.x - 50) << where;
            EXPECT_EQ(frame.top, at.y - 50) << where;
        }
    }
}

TEST_F(AbsorptionDialog, LanguageTextsReplaceTemplateTexts)
{
    const kavo_test::LanguageFiles files = kavo_test::run_langdb(
        "id\t1512:English\n"
        "2001\tAccept\n"
        "23002\tRoom absorption\n"
        "23004\tAbsorption class\n"
        "23046\tA very long name for medium live\n"
        "23048\tLively\n",
        "kavo_absorption_texts");
    ASSERT_EQ(qlg_init(files.data.c_str(), files.index.c_str()), 0);
    std::vector<std::string> texts, names;
    DialogRun run(2, kGiven, [&](HWND dialog) {
        texts = fixed_texts(dialog);
        names = class_names(dialog);
        press(dialog, IDCANCEL);
    });
    qlg_release();
    files.remove();
    // Cancel has no text: the template's stays.  Names are cut to 18 characters.
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Planner - Room absorption", "Absorption class", "Accept", "#Cancel"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Dead", "Medium dead", "Average", "A very long name f", "Lively",
                                               "User defined"}));
}

} // namespace
