// qa_msgbox through the DLL: each kind's buttons and result, the caption.
#include <gtest/gtest.h>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

struct KindCase {
    uint32_t kind;
    WPARAM press;
    int32_t result;
    int first_button;  // a button the box must have
    int absent_button; // one it must not have
};

TEST(QaMsgbox, KindsButtonsAndResults)
{
    const KindCase cases[] = {
        {1, IDOK, 1, IDOK, IDCANCEL},       {5, IDOK, 1, IDOK, IDCANCEL},
        {2, IDCANCEL, IDCANCEL, IDOK, IDYES}, {2, IDOK, IDOK, IDCANCEL, IDNO},
        {3, IDYES, IDYES, IDCANCEL, IDOK},    {4, IDNO, IDNO, IDYES, IDCANCEL},
    };
    for (const KindCase &c : cases) {
        SCOPED_TRACE(c.kind);
        kavo_test::DialogWatch watch(c.press);
        EXPECT_EQ(qa_msgbox(nullptr, c.kind, "Save the design?"), c.result);
        ASSERT_EQ(watch.seen().size(), 1u);
        const kavo_test::SeenWindow &box = watch.seen()[0];
        EXPECT_EQ(box.caption, "Kavo");
        EXPECT_EQ(box.message(), "Save the design?");
        // Wine keeps every button in the box and hides the unused ones.
        EXPECT_TRUE(box.visible(c.first_button));
        EXPECT_FALSE(box.visible(c.absent_button));
    }
}

TEST(QaMsgbox, FocusGoesBackToTheOwner)
{
    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetFocus(nullptr);
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_msgbox(frame, 1, "x"), 1);
    EXPECT_EQ(GetFocus(), frame);
    DestroyWindow(frame);
}

} // namespace
