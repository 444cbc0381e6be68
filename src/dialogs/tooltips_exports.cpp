// Thin wrappers of the platform tooltip control for dialog controls (the
// host loads and initialises the common controls), and the registration of
// the list windows' hint window class.
#include <windows.h>

#include <commctrl.h>

#include "dialogs/hint_window_win.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace {

constexpr DWORD kTooltipStyle = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
constexpr LPARAM kMaxTipWidth = 800;

} // namespace

extern "C" HWND WINAPI qa_create_control_tooltip_window(void) noexcept
{
    return kavo::guarded<HWND>(nullptr, [] {
        HWND tooltip = CreateWindowExW(0, L"tooltips_class32", nullptr, kTooltipStyle, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                       kavo::module_state().instance, nullptr);
        SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
        return tooltip;
    });
}

extern "C" int32_t WINAPI qa_attach_control_to_tooltip_window(HWND tooltip, HWND dialog, int32_t control_id,
                                                              const wchar_t *text) noexcept
{
    return kavo::guarded<int32_t>(0, [&] {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V1_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, control_id));
        tool.lpszText = const_cast<wchar_t *>(text);
        return static_cast<int32_t>(SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
    });
}

extern "C" int32_t WINAPI qa_set_tooltip_header_and_icon(HWND tooltip, const wchar_t *title, uint32_t icon) noexcept
{
    return kavo::guarded<int32_t>(0, [&] {
        return static_cast<int32_t>(SendMessageW(tooltip, TTM_SETTITLEW, icon, reinterpret_cast<LPARAM>(title)));
    });
}

extern "C" int32_t WINAPI tooltip_registerclass(HINSTANCE instance) noexcept
{
    kavo::guarded_void([&] { kavo::register_hint_class(instance); });
    return 0;
}
