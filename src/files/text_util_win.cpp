#include "files/text_util_win.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "util/text_util.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "varbuf/utf_convert.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");

namespace kavo {

namespace detail {
RPC_STATUS(RPC_ENTRY *uuid_create)(UUID *) = UuidCreate;
} // namespace detail

char *wsz_to_utf8_alloc(const wchar_t *text, int length)
{
    if (!text || length < 0)
        return nullptr;
    const std::size_t bytes = static_cast<std::size_t>(length) * 4 + 4;
    if (bytes > INT32_MAX)
        return nullptr;
    char *utf8 = static_cast<char *>(std::calloc(bytes, 1));
    if (!utf8)
        return nullptr;
    // The core's converter gives what CP_UTF8 gives, lone surrogates
    // included; it stops at a whole character that does not fit, so a text
    // longer than `length` still ends inside the block.
    utf16_to_utf8(reinterpret_cast<const uint16_t *>(text), std::wcslen(text), utf8, bytes);
    return utf8;
}

void set_dlg_item_wtext(HWND dialog, int id, const wchar_t *text)
{
    const std::size_t length = text ? std::wcslen(text) : 0;
    wchar_t *copy = static_cast<wchar_t *>(std::malloc(length * 2 + 20));
    if (!copy)
        return;
    std::memcpy(copy, text ? text : L"", (length + 1) * sizeof(wchar_t));
    SetDlgItemTextW(dialog, id, copy);
    std::free(copy);
}

} // namespace kavo
