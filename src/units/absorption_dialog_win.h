// The absorption dialog, for its export.
#pragma once

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

namespace kavo {
namespace absorption_dialog_win {

// Cleared at each call; the dialog reads and writes only this.
struct AbsorptionDialogState {
    AbsorptionChoice choice;
    bool busy = false; // ignores the commands that our own changes raise
};

AbsorptionDialogState &dialog_state();

INT_PTR CALLBACK absorption_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM);

} // namespace absorption_dialog_win
} // namespace kavo
