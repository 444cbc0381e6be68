// Win32 text helpers shared by the dialogs and the design data writer.
#pragma once

#include <windows.h>

#include <rpc.h>

namespace kavo {

// A new zero-filled UTF-8 copy of a NUL-terminated UTF-16 text, in a block
// of length * 4 + 4 bytes from malloc; the caller frees it.  Null when the
// block cannot be had.
char *wsz_to_utf8_alloc(const wchar_t *text, int length);

// Sets a dialog item's text from a UTF-16 text.
void set_dlg_item_wtext(HWND dialog, int id, const wchar_t *text);

namespace detail {
// The platform's UUID maker; tests replace it to see the failure path.
extern RPC_STATUS(RPC_ENTRY *uuid_create)(UUID *);
} // namespace detail

} // namespace kavo
