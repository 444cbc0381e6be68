// Language texts: lookups by text id in the current language (or the one of
// a SAP letter), with and without a default, and the setters of dialog and
// window texts and the message boxes built on them.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "frame/language.h"
#include "util/text_convert.h"
#include "frame/language_texts_win.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "util/module_state.h"
#include "util/text_field.h"
#include "util/text_util.h"

namespace kavo {
namespace language_texts_win {

void set_item_wide(HWND dialog, int32_t item, const wchar_t *text)
{
    // Through a heap copy of its own, so the control never sees our stack.
    if (wchar_t *copy = wsz_dup(text)) {
        SetDlgItemTextW(dialog, item, copy);
        std::free(copy);
    }
}

// The application title, then " - " and the text of text_id when it has one.
std::wstring window_title(int32_t text_id)
{
    wchar_t title[200], text[200];
    to_wide(CP_ACP, module_state().appTitle, title, 200);
    std::wstring out = title;
    if (qlg_copy_wsz(text, text_id, sizeof text) && text[0])
        out += std::wstring(L" - ") + text;
    return out;
}

int language_box(HWND owner, int32_t text_id, const char *def, UINT type)
{
    wchar_t text[400], caption[80];
    qlg_copy_wsz_def(text, text_id, sizeof text, def);
    to_wide(CP_ACP, module_state().appTitle, caption, 80);
    if (!owner)
        type |= MB_TASKMODAL;
    HWND focus = GetFocus();
    const int result = MessageBoxW(owner, text, caption, type);
    if (focus && GetFocus() != focus && IsWindow(focus))
        SetFocus(focus);
    return result;
}

} // namespace language_texts_win
} // namespace kavo
