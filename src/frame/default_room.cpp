#include "frame/default_room.h"

#include <cstring>

#include "units/absorption.h"
#include "varbuf/designdata.h"

namespace kavo {

void clear_room_identity(room &r)
{
    std::memset(r.rcd, 0, sizeof r.rcd);
    std::memset(r.rnm, 0, sizeof r.rnm);
}

void apply_builtin_room_defaults(room &r)
{
    r.valid = 1;
    r.rle = 10.0f;
    r.rwi = 6.0f;
    r.rhe = 2.6f;
    r.rhz = 1.8f;
    r.rdz = 0.5f;
    r.rts = 24.0f;
    r.rrs = 50.0f;
    r.rtw = 20.0f;
    r.rrw = 50.0f;
    r.rpc = 0.0f;
    r.rph = 0.0f;
    room_default_absorption(r);
}

void load_default_room(room &cached, const char *stored_text)
{
    std::memset(&cached, 0, sizeof cached);
    // The reader's result is that of finding RRT: a text without it is not
    // a room that was ever stored by us.
    if (!stored_text || read_room(cached, IndexedFinder(stored_text)) < 1)
        apply_builtin_room_defaults(cached);
    // Also after a text that was not accepted: whatever the reader found
    // there, a default room stays without code and name.
    clear_room_identity(cached);
    cached.valid = 1;
}

} // namespace kavo
