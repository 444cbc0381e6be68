// Finding a data file in the host's three folders, and the platform's open
// and save dialogs with the module's "|"-separated filter texts.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "files/file_paths.h"
#include "util/module_state.h"
#include "files/file_search_win.h"
#include "kavoapi.h"
#include "units/unit_settings.h"
#include "util/guard.h"
#include "util/text_util.h"

namespace kavo {
namespace file_search_win {

// A search path holds at most this many characters.
constexpr std::size_t kSearchPathChars = 299;
// UTF-16 buffers of the dialogs, in characters.
constexpr int kDialogChars = 600;
// Longest message caption taken from the application title, in characters.
constexpr int kCaptionChars = 199;

constexpr UINT kNotFoundStyle = MB_ICONEXCLAMATION | MB_TASKMODAL;

bool exists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// An ANSI text in UTF-16, cut to `chars` - 1 characters.
std::wstring widened(const char *text, int chars)
{
    std::wstring wide(static_cast<std::size_t>(chars), L'\0');
    const int written = text ? MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], chars) : 0;
    if (written <= 0) {
        // Too long for the buffer: the platform filled it without an end.
        wide.resize(text && *text && GetLastError() == ERROR_INSUFFICIENT_BUFFER ? chars - 1 : 0);
    } else {
        wide.resize(static_cast<std::size_t>(written - 1));
    }
    return wide;
}

std::string folder_text(const char *folder, const std::string &)
{
    return folder;
}

std::wstring folder_text(const char *folder, const std::wstring &)
{
    return widened(folder, kSearchPathChars + 1);
}

void show_not_found(const std::string &text)
{
    MessageBoxA(nullptr, text.c_str(), module_state().appTitle, kNotFoundStyle);
}

void show_not_found(const std::wstring &text)
{
    const std::wstring caption = widened(module_state().appTitle, kCaptionChars + 1);
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), kNotFoundStyle);
}

// The file search in either text form: "folder\name" in each of the three
// folders in turn, an empty folder giving "\name".
template <typename Char>
int32_t find_in_search_dirs(Char *out, const Char *name, int32_t show_message)
{
    using Text = std::basic_string<Char>;
    static constexpr Char kBackslash[] = {'\\', 0};
    static constexpr Char kCannotFind[] = {'C', 'a', 'n', 'n', 'o', 't', ' ', 'f', 'i', 'n', 'd', ' ', 0};
    static constexpr Char kBang[] = {'!', 0};
    const Text file_name = name ? Text(name) : Text();
    const ModuleState &state = module_state();
    for (const char *folder : {state.searchDir1, state.searchDir2, state.searchDir3}) {
        Text path = folder_text(folder, file_name) + kBackslash + file_name;
        path.resize(std::min(path.size(), kSearchPathChars));
        if (exists(path)) {
            if (out)
                std::copy(path.c_str(), path.c_str() + path.size() + 1, out);
            return 1;
        }
    }
    if (out)
        out[0] = 0;
    if (show_message)
        show_not_found(kCannotFind + file_name + kBang);
    return 0;
}

// A UTF-16 text in the ANSI code page into a caller's buffer of size bytes.
void narrowed_into(char *out, int32_t size, const wchar_t *text)
{
    char wide_enough[kDialogChars * 2 + 2] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, wide_enough, sizeof wide_enough, nullptr, nullptr);
    copy_cut(out, static_cast<std::size_t>(size), wide_enough);
}

int32_t run_file_dialog(const DialogRequest &request, bool save)
{
    if (!request.folder || !request.file || request.size <= 0)
        return -1;
    std::wstring folder = widened(request.folder, kDialogChars);
    std::wstring file = widened(request.file, kDialogChars);
    folder.resize(kDialogChars);
    file.resize(kDialogChars);
    char16_t filter[kFilterListChars];
    filter_to_list(reinterpret_cast<const char16_t *>(request.filter), filter);

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = request.filter ? reinterpret_cast<const wchar_t *>(filter) : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = kDialogChars;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = request.title;
    if (save) {
        dialog.lpstrDefExt = request.default_extension;
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_EXPLORER;
    } else {
        dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER;
    }
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return -1;
    narrowed_into(request.folder, request.size, folder.c_str());
    narrowed_into(request.file, request.size, file.c_str());
    dir_of_path(request.folder, static_cast<std::size_t>(request.size), request.file);
    return 0;
}

template int32_t find_in_search_dirs<char>(char *, const char *, int32_t);
template int32_t find_in_search_dirs<wchar_t>(wchar_t *, const wchar_t *, int32_t);

} // namespace file_search_win
} // namespace kavo

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(OPENFILENAMEW) == 88, "the dialog record of 32-bit hosts");
#endif
