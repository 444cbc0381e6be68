// Popup menus and tooltips as a host sees them: items read back from a real
// menu, the copy/print menu at the cursor driven by keys through its own
// modal loop, and the tooltip control the wrappers make.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/language_files.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"

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
    EXPECT_EQ(item_text(menu, 0) + "/" + item_text(menu, 1), "Open/Greyed");
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), UINT(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_EQ(GetSubMenu(menu, 2), sub);
    DestroyMenu(menu);
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

TEST(PopupMenu, CursorMenuPostsTheCommandChosenByKeysAndIsDestroyed)
{
    // A host with its language texts: 1071 has one, 1070 keeps its default.
    const auto texts = kavo_test::run_langdb("id\t1512:English\n1071\tPrint table\n", "kavo_popup_texts");
    ASSERT_EQ(qlg_init(texts.data.c_str(), texts.index.c_str()), 0);
    WNDCLASSA owner_class{};
    owner_class.lpfnWndProc = owner_proc;
    owner_class.lpszClassName = "KavoPopupOwner";
    RegisterClassA(&owner_class);
    HWND owner = CreateWindowExA(0, "KavoPopupOwner", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                                 nullptr, nullptr);
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
    qlg_release();
    texts.remove();
}

TEST(Tooltips, WrappersMakeAnAlwaysShownToolTipWithWideTipsAndAttachControls)
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
    EXPECT_NE(qa_attach_control_to_tooltip_window(tooltip, dialog, 5, L"What the button does"), 0);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_NE(qa_set_tooltip_header_and_icon(tooltip, L"Button", 1), 0);
    DestroyWindow(dialog);
    DestroyWindow(tooltip);
}

} // namespace
