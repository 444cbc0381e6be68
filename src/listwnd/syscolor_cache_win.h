// 1-pixel pens and solid brushes of system colours, made on first use and
// shared by every list window and header strip until the module is
// unloaded.  Callers never delete them.
#pragma once

#include <windows.h>

namespace kavo {

HPEN syscolor_pen(int index);
HBRUSH syscolor_brush(int index);

// Module attach and detach: the lock around both tables lives between them.
void syscolor_cache_attach();
void syscolor_cache_detach();

} // namespace kavo
