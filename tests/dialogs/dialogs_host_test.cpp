// The module's boxes and menus as a host sees them: the platform box of
// qa_msgbox (buttons, result, owner, focus); the check-box and self-closing
// dialog boxes (texts, results, the countdown and the modeless box's life);
// and the copy/print menu driven by keys through its own modal loop.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/language_files.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

using kavo_test::DialogWatch;
using kavo_test::item_text;

constexpr int kMessage = 61, kCountdown = 62, kCheck = 101;

// Each test runs with the application title "Planner" and a language
// database of a few texts; 1070, the copy/print menu's copy item, has none.
class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        qa_init_paths("Planner", "", "", "", "");
        ASSERT_EQ(qlg_init(texts.data.c_str(), texts.index.c_str()), 0);
    }
    void TearDown() override
    {
        qlg_release();
        texts.remove();
    }
    const kavo_test::LanguageFiles texts = kavo_test::run_langdb(
        "id\t1512:English\n1071\tPrint table\n2001\tOK\n4118\tClosing in\n", "kavo_dialog_texts");
};

TEST_F(Dialogs, QaMsgboxEachKindShowsItsButtonsIsTaskModalWithoutAnOwnerAndGivesTheFocusBack)
{
    auto top_level = [] {
        return CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
    };
    HWND frame = top_level(), other = top_level();
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame, nullptr, nullptr, nullptr);
    const struct {
        uint32_t kind;
        WPARAM press;
        int32_t result;
        int shown_button, hidden_button; // Wine keeps every button in the box and hides the unused ones
        HWND owner;                      // without one the focus is on the edit field, else nowhere
    } cases[] = {{5, IDOK, 1, IDOK, IDCANCEL, nullptr}, {2, IDCANCEL, IDCANCEL, IDOK, IDYES, frame},
                 {3, IDYES, IDYES, IDCANCEL, IDOK, nullptr}, {4, IDNO, IDNO, IDYES, IDCANCEL, frame}};
    for (const auto &c : cases) {
        SetForegroundWindow(frame);
        SetFocus(c.owner ? nullptr : edit);
        DialogWatch watch(c.press);
        watch.set_probe(other);
        EXPECT_EQ(qa_msgbox(c.owner, c.kind, "Save the design?"), c.result) << c.kind;
        ASSERT_EQ(watch.seen().size(), 1u);
        const kavo_test::SeenWindow &box = watch.seen()[0];
        EXPECT_EQ(box.caption + "/" + box.message(), "Kavo/Save the design?");
        EXPECT_TRUE(box.visible(c.shown_button)) << c.kind;
        EXPECT_FALSE(box.visible(c.hidden_button)) << c.kind;
        EXPECT_EQ(box.owner, c.owner);
        EXPECT_EQ(box.probe_enabled, c.owner != nullptr) << "a task-modal box disables the thread's other windows";
        EXPECT_TRUE(IsWindowEnabled(other));
        EXPECT_EQ(GetFocus(), c.owner ? c.owner : edit) << "the focus comes back, or goes to the owner";
    }
    DestroyWindow(frame);
    DestroyWindow(other);
}

TEST_F(Dialogs, CheckBoxResultFollowsTheTickNotTheButton)
{
    const struct {
        bool tick;
        WPARAM command;
        int32_t result;
        const wchar_t *check;
        const char *check_shown; // an empty text keeps the template's
    } cases[] = {{true, IDCANCEL, 1, L"Do not ask again", "Do not ask again"}, {false, IDOK, 0, L"", "Checkbox"}};
    for (const auto &c : cases) {
        DialogWatch watch;
        watch.set_action([&](HWND box) {
            if (c.tick)
                CheckDlgButton(box, kCheck, BST_CHECKED);
            PostMessageA(box, WM_COMMAND, c.command, 0);
        });
        EXPECT_EQ(qa_chkmsgbox(nullptr, L"Copy the room?", c.check), c.result);
        ASSERT_EQ(watch.seen().size(), 1u);
        const auto &box = watch.seen()[0];
        EXPECT_EQ(box.caption, "Planner");
        EXPECT_EQ(box.text(kMessage), "Copy the room?");
        EXPECT_EQ(box.text(kCheck), c.check_shown);
        EXPECT_EQ(box.text(IDOK), "OK"); // the language text
    }
}

// The countdown lines of a timed box, read every 100 ms inside its own
// message loop, each new text once; a box still open after 2.5 s is
// cancelled.
DWORD box_opened = 0;
bool box_cancelled = false;
std::vector<std::string> countdown_lines;
void CALLBACK record_countdown(HWND box, UINT, UINT_PTR, DWORD)
{
    const std::string line = item_text(box, kCountdown);
    if (countdown_lines.empty() || countdown_lines.back() != line)
        countdown_lines.push_back(line);
    if (GetTickCount() - box_opened > 2500 && !box_cancelled)
        box_cancelled = PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(Dialogs, TimedBoxCountsDownAndClosesItselfUnlessGivenNoSeconds)
{
    const struct {
        uint32_t seconds;
        std::vector<std::string> lines;
    } cases[] = {{2, {"Closing in 2 s", "Closing in 1 s"}},
                 {0, {"This message closing in xx"}}}; // the template's line, untouched
    for (const auto &c : cases) {
        countdown_lines.clear();
        box_cancelled = false;
        box_opened = GetTickCount();
        DialogWatch watch;
        watch.set_action([](HWND box) {
            record_countdown(box, 0, 0, 0);
            SetTimer(box, 1, 100, record_countdown);
        });
        EXPECT_EQ(qa_timedmsgbox(nullptr, L"Saved.", c.seconds), 0);
        EXPECT_EQ(countdown_lines, c.lines);
        EXPECT_EQ(box_cancelled, c.seconds == 0);
        EXPECT_GE(GetTickCount() - box_opened, 1900u);
        ASSERT_EQ(watch.seen().size(), 1u);
        EXPECT_EQ(watch.seen()[0].caption + "/" + watch.seen()[0].text(kMessage), "Planner/Saved.");
    }
}

TEST_F(Dialogs, ModelessBoxIsHiddenWhenItsTimeIsUp)
{
    for (uint32_t tall : {0u, 1u}) {
        HWND box = qa_modeless_timedmsgbox(nullptr, L"Working...", 1, tall);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(item_text(box, kMessage), "Working...");
        EXPECT_EQ(item_text(box, kCountdown), "Closing in 1 s");
        kavo_test::pump_messages(1400);
        EXPECT_TRUE(IsWindow(box));
        EXPECT_FALSE(IsWindowVisible(box));
        DestroyWindow(box);
    }
}

std::string item_text(HMENU menu, UINT position)
{
    char text[200] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// What the owner of the copy/print menu is told: the menu as it opens, and
// the chosen command afterwards.
struct MenuOwner {
    HMENU menu = nullptr;
    std::vector<std::string> items;
    std::vector<UINT> commands;
} owner_saw;

LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITMENUPOPUP) {
        owner_saw.menu = reinterpret_cast<HMENU>(wparam);
        for (int i = 0; i < GetMenuItemCount(owner_saw.menu); ++i)
            owner_saw.items.push_back(item_text(owner_saw.menu, i));
    } else if (message == WM_COMMAND) {
        owner_saw.commands.push_back(LOWORD(wparam));
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

TEST_F(Dialogs, CursorMenuPostsTheCommandChosenByKeysAndIsDestroyed)
{
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                 nullptr);
    SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(owner_proc));
    const struct {
        std::vector<WPARAM> keys;
        std::vector<UINT> commands;
    } cases[] = {
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {889}}, // the second key steps over the separator
        {{VK_ESCAPE}, {}},
    };
    for (const auto &c : cases) {
        owner_saw = MenuOwner{};
        // Queued before the call, so that the menu's own loop reads them.
        for (WPARAM key : c.keys)
            PostMessageA(owner, WM_KEYDOWN, key, 0);
        EXPECT_EQ(qa_popup_pc(owner), 1);
        kavo_test::pump_messages(0);
        EXPECT_EQ(owner_saw.items, (std::vector<std::string>{"Copy clipboard", "", "Print table"}));
        EXPECT_EQ(owner_saw.commands, c.commands) << c.keys.size() << " keys";
        EXPECT_FALSE(IsMenu(owner_saw.menu)) << "the menu is destroyed when it closes";
    }
    DestroyWindow(owner);
}

TEST(PopupMenu, ItemsTakeTheDefaultCaptionWithoutALanguageTextAndGreyedOnesAreDisabled)
{
    HMENU menu = CreatePopupMenu(), sub = CreatePopupMenu();
    EXPECT_NE(qa_popup_add(menu, 0, 501, 1, "Open"), 0);
    EXPECT_NE(qa_popup_add_wsz(menu, 987654, 502, 0, "Greyed"), 0);
    EXPECT_NE(qa_popup_add_submenu(menu, 0, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(sub)), 1, "More"), 0);
    EXPECT_EQ(item_text(menu, 1), "Greyed");
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), UINT(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_EQ(GetSubMenu(menu, 2), sub);
    DestroyMenu(menu);
}

TEST(Tooltips, WrappersMakeAToolTipWithWideTipsAndAttachControls)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND tooltip = qa_create_control_tooltip_window();
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindowLongA(tooltip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 800);
    HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 20, 20, dialog, reinterpret_cast<HMENU>(5), nullptr, nullptr);
    EXPECT_NE(qa_attach_control_to_tooltip_window(tooltip, dialog, 5, L"What the button does"), 0);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_NE(qa_set_tooltip_header_and_icon(tooltip, L"Button", 1), 0);
    DestroyWindow(dialog);
    DestroyWindow(tooltip);
}

} // namespace
