// The module's message boxes through the DLL: the platform box of qa_msgbox
// (buttons, result, owner, focus) and the check-box and self-closing dialog
// boxes (texts, results, the countdown and the modeless box's life).
#include <windows.h>

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

TEST(QaMsgbox, EachKindShowsItsButtonsIsTaskModalWithoutAnOwnerAndGivesTheFocusBack)
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
        HWND owner, focus, focus_after;
    } cases[] = {{5, IDOK, 1, IDOK, IDCANCEL, nullptr, edit, edit},
                 {2, IDCANCEL, IDCANCEL, IDOK, IDYES, frame, nullptr, frame},
                 {3, IDYES, IDYES, IDCANCEL, IDOK, nullptr, edit, edit},
                 {4, IDNO, IDNO, IDYES, IDCANCEL, frame, nullptr, frame}};
    for (const auto &c : cases) {
        SetForegroundWindow(frame);
        SetFocus(c.focus);
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
        EXPECT_EQ(GetFocus(), c.focus_after);
    }
    DestroyWindow(frame);
    DestroyWindow(other);
}

class BoxTest : public ::testing::Test {
protected:
    void SetUp() override { qa_init_paths("Planner", "", "", "", ""); }
};

TEST_F(BoxTest, CheckBoxResultFollowsTheTickNotTheButton)
{
    const struct {
        bool tick;
        WPARAM command;
        int32_t result;
    } cases[] = {{true, IDCANCEL, 1}, {false, IDOK, 0}};
    for (const auto &c : cases) {
        DialogWatch watch;
        watch.set_action([&](HWND box) {
            if (c.tick)
                CheckDlgButton(box, kCheck, BST_CHECKED);
            PostMessageA(box, WM_COMMAND, c.command, 0);
        });
        EXPECT_EQ(qa_chkmsgbox(nullptr, L"Copy the room?", L"Do not ask again"), c.result);
        ASSERT_EQ(watch.seen().size(), 1u);
        const auto &box = watch.seen()[0];
        EXPECT_EQ(box.caption, "Planner");
        EXPECT_EQ(box.text(kMessage), "Copy the room?");
        EXPECT_EQ(box.text(kCheck), "Do not ask again");
        EXPECT_EQ(box.text(IDOK), "&Ok"); // no language database: the template's text
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

TEST_F(BoxTest, TimedBoxCountsDownAndClosesItselfUnlessGivenNoSeconds)
{
    const struct {
        uint32_t seconds;
        std::vector<std::string> lines;
    } cases[] = {{2, {"This window is automatically closing in 2 s", "This window is automatically closing in 1 s"}},
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

TEST_F(BoxTest, ModelessBoxIsHiddenWhenItsTimeIsUpAndBoxesTakeTheLanguageTexts)
{
    const kavo_test::LanguageFiles files = kavo_test::run_langdb(kavo_test::kDemoTable, "kavo_box_texts");
    ASSERT_EQ(qlg_init(files.data.c_str(), files.index.c_str()), 0);
    qlg_set_language("English");
    LONG message_height[2] = {};
    for (uint32_t tall : {0u, 1u}) {
        HWND box = qa_modeless_timedmsgbox(nullptr, L"Working...", 1, tall);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(item_text(box, kMessage), "Working...");
        EXPECT_EQ(item_text(box, kCountdown), "Closing in 1 s");
        RECT rc;
        GetWindowRect(GetDlgItem(box, kMessage), &rc);
        message_height[tall] = rc.bottom - rc.top;
        kavo_test::pump_messages(1400);
        EXPECT_TRUE(IsWindow(box));
        EXPECT_FALSE(IsWindowVisible(box));
        DestroyWindow(box);
    }
    // The tall box's message area is 62 dialog units high, the short one's 34.
    EXPECT_GT(message_height[1], message_height[0] * 3 / 2);
    DialogWatch watch;
    EXPECT_EQ(qa_chkmsgbox(nullptr, L"y", L""), 0);
    qlg_release();
    files.remove();
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].text(IDOK), "OK");
    EXPECT_EQ(watch.seen()[0].text(kCheck), "Checkbox"); // empty check text: the template's
}

} // namespace
