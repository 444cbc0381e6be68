// File search and file dialog exports.
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
#include "files/file_search_win.h"

namespace kavo {
using namespace file_search_win;
}

using kavo::module_state;

extern "C" int32_t WINAPI qa_findfile(char *out, const char *name, int32_t show_message) noexcept
{
    return kavo::guarded(0, [&] { return kavo::find_in_search_dirs(out, name, show_message); });
}

extern "C" int32_t WINAPI qa_findfilew(wchar_t *out, const wchar_t *name, int32_t show_message) noexcept
{
    return kavo::guarded(0, [&] { return kavo::find_in_search_dirs(out, name, show_message); });
}

extern "C" void WINAPI qa_ini_modified(void) noexcept
{
    kavo::guarded_void([] { kavo::readUnitSystemSetting(); });
}

extern "C" int32_t WINAPI qa_openfile_dlg(HWND owner, const wchar_t *filter, char *folder, char *file, int32_t size,
                                          const wchar_t *title) noexcept
{
    return kavo::guarded(-1, [&] {
        return kavo::run_file_dialog({owner, filter, nullptr, folder, file, size, title}, false);
    });
}

extern "C" int32_t WINAPI qa_savefile_dlg(HWND owner, const wchar_t *filter, const wchar_t *default_extension,
                                          char *folder, char *file, int32_t size, const wchar_t *title) noexcept
{
    return kavo::guarded(-1, [&] {
        return kavo::run_file_dialog({owner, filter, default_extension, folder, file, size, title}, true);
    });
}
