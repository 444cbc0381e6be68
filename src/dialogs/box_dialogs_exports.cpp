// Exports of the check box and timed boxes.
#include <windows.h>
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include "dialogs/box_ids.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "dialogs/box_dialogs_win.h"

namespace kavo {
using namespace box_dialogs_win;
}

extern "C" int32_t WINAPI qa_chkmsgbox(HWND owner, const wchar_t *message, const wchar_t *check_text) noexcept
{
    return kavo::guarded(-1, [&] {
        if (!kavo::prepare_box(message))
            return -1;
        if (check_text) {
            std::wcsncpy(kavo::box().checkText, check_text, kavo::kCheckTextUnits - 1);
            kavo::box().checkText[kavo::kCheckTextUnits - 1] = L'\0';
        }
        return kavo::run_modal(owner, IDD_CHECK_BOX) == 1 ? 1 : 0;
    });
}

extern "C" int32_t WINAPI qa_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds) noexcept
{
    return kavo::guarded(-1, [&] {
        if (!kavo::prepare_box(message))
            return -1;
        kavo::box().seconds = seconds;
        kavo::run_modal(owner, IDD_TIMED_BOX);
        return 0;
    });
}

extern "C" HWND WINAPI qa_modeless_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds,
                                               uint32_t tall) noexcept
{
    return kavo::guarded<HWND>(nullptr, [&]() -> HWND {
        if (!kavo::prepare_box(message))
            return nullptr;
        kavo::box().seconds = seconds;
        HWND window = CreateDialogParamA(kavo::module_state().instance,
                                         MAKEINTRESOURCEA(tall ? IDD_TALL_TIMED_BOX : IDD_TIMED_BOX), owner,
                                         kavo::box_proc, 0);
        if (window)
            ShowWindow(window, SW_SHOW);
        // The static control holds its own copy of the text by now.
        kavo::release_message();
        return window;
    });
}
