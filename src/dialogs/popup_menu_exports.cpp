// Popup menu items captioned from the language texts, and the module's
// ready-made copy/print menu.
#include <windows.h>

#include "kavoapi.h"
#include "util/guard.h"

namespace {

constexpr UINT kDisabled = MF_GRAYED | MF_DISABLED;
constexpr UINT kCopyCommand = 888;
constexpr UINT kPrintCommand = 889;

UINT item_flags(uint32_t enabled, bool submenu)
{
    return MF_STRING | (enabled ? 0 : kDisabled) | (submenu ? MF_POPUP : 0);
}

int32_t add(HMENU menu, int32_t text_id, UINT_PTR item, uint32_t enabled, const char *caption, bool submenu)
{
    char text[200];
    if (text_id != 0 && qlg_copy(text, text_id, sizeof text))
        caption = text;
    return AppendMenuA(menu, item_flags(enabled, submenu), item, caption ? caption : "");
}

int32_t add_wide(HMENU menu, int32_t text_id, UINT_PTR item, uint32_t enabled, const char *caption, bool submenu)
{
    wchar_t text[200];
    if (text_id != 0 && qlg_copy_wsz(text, text_id, sizeof text))
        return AppendMenuW(menu, item_flags(enabled, submenu), item, text);
    return AppendMenuA(menu, item_flags(enabled, submenu), item, caption ? caption : "");
}

} // namespace

extern "C" int32_t WINAPI qa_popup_add(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                       const char *caption) noexcept
{
    return kavo::guarded<int32_t>(0, [&] { return add(menu, text_id, command, enabled, caption, false); });
}

extern "C" int32_t WINAPI qa_popup_add_submenu(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                               const char *caption) noexcept
{
    return kavo::guarded<int32_t>(0, [&] { return add(menu, text_id, submenu, enabled, caption, true); });
}

extern "C" int32_t WINAPI qa_popup_add_wsz(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                           const char *caption) noexcept
{
    return kavo::guarded<int32_t>(0, [&] { return add_wide(menu, text_id, command, enabled, caption, false); });
}

extern "C" int32_t WINAPI qa_popup_add_submenu_wsz(HMENU menu, int32_t text_id, uint32_t submenu,
                                                   uint32_t enabled, const char *caption) noexcept
{
    return kavo::guarded<int32_t>(0, [&] { return add_wide(menu, text_id, submenu, enabled, caption, true); });
}

extern "C" int32_t WINAPI qa_popup_pc(HWND owner) noexcept
{
    return kavo::guarded<int32_t>(0, [&] {
        HMENU menu = CreatePopupMenu();
        if (!menu)
            return 0;
        char copy[128], print[128];
        qlg_openDOS();
        qlg_copy_def(copy, 1070, sizeof copy, "Copy clipboard");
        qlg_copy_def(print, 1071, sizeof print, "Print");
        qlg_closeDOS();
        AppendMenuA(menu, MF_STRING, kCopyCommand, copy);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, kPrintCommand, print);
        POINT at{};
        GetCursorPos(&at);
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
        DestroyMenu(menu);
        return 1;
    });
}
