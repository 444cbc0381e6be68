// Popup menu items, read back from a real menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "kavoapi.h"

namespace {

std::string item_text(HMENU menu, UINT position)
{
    char text[200] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(PopupMenu, ItemsTakeTheDefaultCaptionWithoutALanguageText)
{
    HMENU menu = CreatePopupMenu(), sub = CreatePopupMenu();
    EXPECT_NE(qa_popup_add(menu, 0, 501, 1, "Open"), 0);
    EXPECT_NE(qa_popup_add_wsz(menu, 987654, 502, 0, "Greyed"), 0);
    EXPECT_NE(qa_popup_add_submenu(menu, 0, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(sub)), 1, "More"), 0);
    EXPECT_EQ(item_text(menu, 0), "Open");
    EXPECT_EQ(item_text(menu, 1), "Greyed");
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), UINT(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_EQ(GetSubMenu(menu, 2), sub);
    DestroyMenu(menu);
}

} // namespace
