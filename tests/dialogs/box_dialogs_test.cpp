// The check-box and self-closing message boxes through the DLL: texts,
// results, the countdown and the modeless box's life.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "frame/language_files.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

using kavo_test::DialogWatch;
using kavo_test::item_text;

constexpr int kMessage = 61, kCountdown = 62, kCheck = 101;

// The countdown lines of `counting_box`, read every 100 ms by a thread timer
// (it runs inside the box's own message loop), each new text once.
HWND counting_box = nullptr;
std::vector<std::string> countdown_lines;
void CALLBACK record_countdown(HWND, UINT, UINT_PTR, DWORD)
{
    if (!IsWindow(counting_box))
        return;
    const std::string line = item_text(counting_box, kCountdown);
    if (countdown_lines.empty() || countdown_lines.back() != line)
        countdown_lines.push_back(line);
}

class BoxTest : public ::testing::Test {
protected:
    void SetUp() override { qa_init_paths("Planner", "", "", "", ""); }
};

TEST_F(BoxTest, CheckBoxResultFollowsTheTickNotTheButton)
{
    struct Case {
        bool tick;
        WPARAM command;
        int32_t result;
    };
    const Case cases[] = {{true, IDCANCEL, 1}, {true, IDOK, 1}, {false, IDOK, 0}, {false, IDCANCEL, 0}};
    for (const Case &c : cases) {
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

TEST_F(BoxTest, TimedBoxCountsDownAndClosesItself)
{
    DialogWatch watch;
    watch.set_action([&](HWND box) {
        counting_box = box;
        record_countdown(nullptr, 0, 0, 0);
    });
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, record_countdown);
    const DWORD start = GetTickCount();
    EXPECT_EQ(qa_timedmsgbox(nullptr, L"Saved.", 2), 0);
    const DWORD took = GetTickCount() - start;
    KillTimer(nullptr, timer);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].text(kMessage), "Saved.");
    EXPECT_EQ(watch.seen()[0].caption, "Planner");
    const std::vector<std::string> expected = {"This window is automatically closing in 2 s",
                                               "This window is automatically closing in 1 s"};
    EXPECT_EQ(countdown_lines, expected);
    EXPECT_GE(took, 1900u);
}

// Still open after a while, with the template's line untouched.
void CALLBACK check_untouched_and_cancel(HWND box, UINT, UINT_PTR, DWORD)
{
    KillTimer(box, 1);
    EXPECT_EQ(item_text(box, kCountdown), "This message closing in xx");
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(BoxTest, TimedBoxWithoutSecondsWaitsToBeClosed)
{
    DialogWatch watch;
    watch.set_action([](HWND box) { SetTimer(box, 1, 1300, check_untouched_and_cancel); });
    EXPECT_EQ(qa_timedmsgbox(nullptr, L"Stays", 0), 0);
    EXPECT_EQ(watch.seen().size(), 1u);
}

TEST_F(BoxTest, CountdownUsesTheLanguageText)
{
    const kavo_test::LanguageFiles files = kavo_test::run_langdb(kavo_test::kDemoTable, "kavo_box_texts");
    ASSERT_EQ(qlg_init(files.data.c_str(), files.index.c_str()), 0);
    qlg_set_language("English");
    DialogWatch watch;
    watch.set_action([](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    qa_timedmsgbox(nullptr, L"x", 7);
    EXPECT_EQ(qa_chkmsgbox(nullptr, L"y", L""), 0);
    qlg_release();
    files.remove();
    ASSERT_EQ(watch.seen().size(), 2u);
    EXPECT_EQ(watch.seen()[0].text(kCountdown), "Closing in 7 s");
    EXPECT_EQ(watch.seen()[1].text(IDOK), "OK");
    EXPECT_EQ(watch.seen()[1].text(kCheck), "Checkbox"); // empty check text: the template's
}

TEST_F(BoxTest, ModelessBoxIsHiddenWhenItsTimeIsUp)
{
    LONG message_height[2] = {};
    for (uint32_t tall : {0u, 1u}) {
        HWND box = qa_modeless_timedmsgbox(nullptr, L"Working...", 1, tall);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(item_text(box, kMessage), "Working...");
        EXPECT_EQ(item_text(box, kCountdown), "This window is automatically closing in 1 s");
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
}

} // namespace
