// The qcq database's handle and open count, for its exports.
#pragma once

#include <cstdint>
#include "dialogs/message.h"
#include "frame/database_link.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "vantmods/vantmods.h"

namespace kavo {
namespace qcq_win {

struct QcqState {
    int16_t handle = -1;
    int16_t openCount = 0;
};

QcqState &qcq_state();

} // namespace qcq_win
} // namespace kavo
