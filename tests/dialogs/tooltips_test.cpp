// The platform tooltip wrappers on a real tooltip control.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "kavoapi.h"

namespace {

TEST(Tooltips, WrappersMakeAToolTipWithWideTipsAndAttachControls)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND tooltip = qa_create_control_tooltip_window();
    ASSERT_NE(tooltip, nullptr);
    char name[40];
    GetClassNameA(tooltip, name, sizeof name);
    EXPECT_STREQ(name, "tooltips_class32");
    EXPECT_EQ(GetWindowLongA(tooltip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 800);

    HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 20, 20, dialog, reinterpret_cast<HMENU>(5), nullptr, nullptr);
    static const wchar_t tip[] = L"What the button does";
    EXPECT_NE(qa_attach_control_to_tooltip_window(tooltip, dialog, 5, tip), 0);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_NE(qa_set_tooltip_header_and_icon(tooltip, L"Button", 1), 0);
    DestroyWindow(dialog);
    DestroyWindow(tooltip);
}

} // namespace
