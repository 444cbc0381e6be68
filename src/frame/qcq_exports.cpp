// Exports of the qcq database: opening, closing and its handle.
#include <cstdint>
#include "dialogs/message.h"
#include "frame/database_link.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "vantmods/vantmods.h"
#include "frame/qcq_win.h"

namespace kavo {
using namespace qcq_win;
}

using kavo::qcq_state;

extern "C" int32_t WINAPI qcq_init(const char *file1, const char *file2) noexcept
{
    return kavo::guarded(-1, [&] {
        qcq_release();
        const int result = kavo::open_record_database(file1, file2, &qcq_state().handle);
        if (result == 0)
            qcq_state().openCount = 0;
        return result;
    });
}

extern "C" void WINAPI qcq_release(void) noexcept
{
    kavo::QcqState &state = qcq_state();
    if (state.handle < 0)
        return;
    qbclosedatabase(state.handle);
    state.handle = -1;
    state.openCount = 0;
}

extern "C" int16_t WINAPI qcq_handle(void) noexcept
{
    return qcq_state().handle;
}

extern "C" int16_t WINAPI qcq_openDOS(void) noexcept
{
    kavo::QcqState &state = qcq_state();
    if (state.openCount < 0)
        state.openCount = 0;
    if (!qbfileisopen(state.handle) && qbbeginquickread(state.handle) != 0) {
        kavo::info_message(nullptr, "Cannot read qcq file");
        return -1;
    }
    ++state.openCount;
    return state.handle;
}

extern "C" void WINAPI qcq_closeDOS(void) noexcept
{
    kavo::QcqState &state = qcq_state();
    if (--state.openCount <= 0)
        qbendquick(state.handle);
}

extern "C" void WINAPI qcq_closeDOStotally(void) noexcept
{
    qcq_state().openCount = 1;
    qcq_closeDOS();
}

extern "C" int16_t WINAPI qcq_open_for_update(void) noexcept
{
    kavo::QcqState &state = qcq_state();
    if (qbfileisopen(state.handle))
        qbclosefile(state.handle);
    if (qbbeginquickupdate(state.handle) != 0)
        return -1;
    return state.handle;
}
