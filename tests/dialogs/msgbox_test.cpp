// qa_msgbox as a host sees it: each kind's buttons and result, the module
// caption, task-modal without an owner, and the keyboard focus given back.
#include <gtest/gtest.h>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

TEST(QaMsgbox, EachKindShowsItsButtonsAndGivesThePressedButtonsResult)
{
    const struct {
        uint32_t kind;
        WPARAM press;
        int32_t result;
        int present_button, absent_button;
    } cases[] = {
        {1, IDOK, 1, IDOK, IDCANCEL},       {5, IDOK, 1, IDOK, IDCANCEL},
        {2, IDCANCEL, IDCANCEL, IDOK, IDYES}, {2, IDOK, IDOK, IDCANCEL, IDNO},
        {3, IDYES, IDYES, IDCANCEL, IDOK},    {4, IDNO, IDNO, IDYES, IDCANCEL},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        kavo_test::DialogWatch watch(c.press);
        EXPECT_EQ(qa_msgbox(nullptr, c.kind, "Save the design?"), c.result);
        ASSERT_EQ(watch.seen().size(), 1u);
        const kavo_test::SeenWindow &box = watch.seen()[0];
        EXPECT_EQ(box.caption, "Kavo");
        EXPECT_EQ(box.message(), "Save the design?");
        // Wine keeps every button in the box and hides the unused ones.
        EXPECT_TRUE(box.visible(c.present_button));
        EXPECT_FALSE(box.visible(c.absent_button));
    }
}

TEST(QaMsgbox, WithoutOwnerIsTaskModalAndTheFocusComesBack)
{
    auto top_level = [] {
        return CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
    };
    HWND frame = top_level(), other = top_level();
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame, nullptr, nullptr, nullptr);
    const struct {
        HWND owner, focus;
        bool others_enabled; // task-modal boxes disable the thread's other windows
        HWND focus_after;
    } cases[] = {{nullptr, edit, false, edit}, {frame, nullptr, true, frame}};
    for (const auto &c : cases) {
        SetForegroundWindow(frame);
        SetFocus(c.focus);
        kavo_test::DialogWatch watch;
        watch.set_probe(other);
        EXPECT_EQ(qa_msgbox(c.owner, 1, "x"), 1);
        ASSERT_EQ(watch.seen().size(), 1u);
        EXPECT_EQ(watch.seen()[0].owner, c.owner);
        EXPECT_EQ(watch.seen()[0].probe_enabled, c.others_enabled);
        EXPECT_TRUE(IsWindowEnabled(other));
        EXPECT_EQ(GetFocus(), c.focus_after);
    }
    DestroyWindow(frame);
    DestroyWindow(other);
}

} // namespace
