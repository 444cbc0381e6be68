#include "dialogs/message.h"

#include <cstdio>

#include "util/module_state.h"
#include "dialogs/message_win.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {

int platform_message(HWND owner, const char *text, UINT type)
{
    if (!owner)
        type |= MB_TASKMODAL;
    HWND focus = GetFocus();
    const int result = MessageBoxA(owner, text ? text : "", module_state().messageCaption, type);
    if (focus && GetFocus() != focus && IsWindow(focus))
        SetFocus(focus);
    return result;
}

int info_message(HWND owner, const char *text)
{
    return platform_message(owner, text, MB_OK | MB_ICONINFORMATION);
}

int require_file(const char *file_name)
{
    if (file_name && GetFileAttributesA(file_name) != INVALID_FILE_ATTRIBUTES)
        return 0;
    char text[300];
    std::snprintf(text, sizeof text, "Cannot find file\r\n%s", file_name ? file_name : "");
    info_message(nullptr, text);
    return -1;
}

namespace message_win {

// Box types of the question kinds; every other kind is an information box.
UINT question_type(uint32_t kind)
{
    switch (kind) {
    case 2:
        return MB_OKCANCEL | MB_ICONQUESTION;
    case 3:
        return MB_YESNOCANCEL | MB_ICONQUESTION;
    case 4:
        return MB_YESNO | MB_ICONQUESTION;
    default:
        return 0;
    }
}

} // namespace message_win

} // namespace kavo
