// Dialog item texts, window titles and language boxes, for the language
// text exports.
#pragma once

#include <windows.h>
#include <cstdlib>
#include <string>
#include "frame/language.h"
#include "util/text_convert.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "util/module_state.h"
#include "util/text_field.h"
#include "util/text_util.h"

namespace kavo {
namespace language_texts_win {

void set_item_wide(HWND dialog, int32_t item, const wchar_t *text);

// The application title, then " - " and the text of text_id when it has one.
std::wstring window_title(int32_t text_id);

int language_box(HWND owner, int32_t text_id, const char *def, UINT type);

} // namespace language_texts_win
} // namespace kavo
