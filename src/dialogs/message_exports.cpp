// The question box export.
#include "dialogs/message.h"
#include <cstdio>
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "dialogs/message_win.h"

namespace kavo {
using namespace message_win;
}

extern "C" int32_t WINAPI qa_msgbox(HWND owner, uint32_t kind, const char *text) noexcept
{
    return kavo::guarded(0, [&] {
        HWND focus = GetFocus();
        const UINT type = kavo::question_type(kind);
        const int result = type ? kavo::platform_message(owner, text, type) : (kavo::info_message(owner, text), 1);
        if (HWND back = focus ? focus : owner)
            SetFocus(back);
        return result;
    });
}
