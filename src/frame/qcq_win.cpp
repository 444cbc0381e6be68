// The qcq database: the module only opens and closes it and brackets reading
// and update; hosts read its records through the sibling library with the
// handle.  Unlike the language texts, nothing here checks that a database
// is open before calling the sibling library.
#include <cstdint>

#include "dialogs/message.h"
#include "frame/database_link.h"
#include "frame/qcq_win.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "vantmods/vantmods.h"

namespace kavo {
namespace qcq_win {

QcqState &qcq_state()
{
    static QcqState state;
    return state;
}

} // namespace qcq_win
} // namespace kavo
