// The default room offered for a new design: read from the user's stored
// settings once, or made from built-in values when nothing usable is stored.
// A default room never carries a room code or name.
#pragma once

#include "kavoapi_records.h"

namespace kavo {

// The stored text of the default room is read into this many bytes.
inline constexpr int kDefaultRoomTextBytes = 600;

// Makes `cached` the default room from its stored text (null when it could
// not be read).  A text the room reader does not accept leaves the built-in
// values on top of whatever the reader left in the record.
void load_default_room(room &cached, const char *stored_text);

// The built-in dimensions, temperatures, humidities and absorption.
void apply_builtin_room_defaults(room &r);

// Empties the room code and the room name.
void clear_room_identity(room &r);

} // namespace kavo
