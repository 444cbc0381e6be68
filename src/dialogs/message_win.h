// The box type of each question kind, for the question box export.
#pragma once

#include "dialogs/message.h"
#include <cstdio>
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {
namespace message_win {

// Box types of the question kinds; every other kind is an information box.
UINT question_type(uint32_t kind);

} // namespace message_win
} // namespace kavo
