// The file search and the file dialogs, for their exports.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <algorithm>
#include <string>
#include "files/file_paths.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "units/unit_settings.h"
#include "util/guard.h"
#include "util/text_util.h"

namespace kavo {
namespace file_search_win {

struct DialogRequest {
    HWND owner;
    const wchar_t *filter;
    const wchar_t *default_extension;
    char *folder;
    char *file;
    int32_t size;
    const wchar_t *title;
};

// The file search in either text form, made for char and wchar_t.
template <typename Char>
int32_t find_in_search_dirs(Char *out, const Char *name, int32_t show_message);

int32_t run_file_dialog(const DialogRequest &request, bool save);

} // namespace file_search_win
} // namespace kavo
