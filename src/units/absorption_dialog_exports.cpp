// The absorption dialog export.
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include "dialogs/message.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "units/absorption.h"
#include "units/absorption_ids.h"
#include "util/guard.h"
#include "util/placement.h"
#include "util/gwmem.h"
#include "util/number_text.h"
#include "units/absorption_dialog_win.h"

namespace kavo {
using namespace absorption_dialog_win;
}

extern "C" int32_t WINAPI qa_absorption_dlg(HWND parent, int16_t *absorption_class, float *coefficients) noexcept
{
    return kavo::guarded(-1, [&] {
        if (!absorption_class || !coefficients)
            return -1;
        kavo::AbsorptionDialogState &state = kavo::dialog_state();
        state = kavo::AbsorptionDialogState{};
        state.choice = kavo::start_absorption_choice(*absorption_class, coefficients);
        const INT_PTR result = DialogBoxParamW(kavo::module_state().instance, MAKEINTRESOURCEW(IDD_ABSORPTION),
                                               parent, kavo::absorption_proc, 0);
        if (result != IDOK)
            return -1;
        *absorption_class = state.choice.current_class;
        std::memcpy(coefficients, state.choice.shown, sizeof state.choice.shown);
        return 0;
    });
}
