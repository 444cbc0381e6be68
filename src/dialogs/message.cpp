#include "dialogs/message.h"

#include "frame/module_state.h"

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

} // namespace kavo
