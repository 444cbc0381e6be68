// The GWLBHDR header strip window class, registered at module attach.
#pragma once

#include <windows.h>

namespace kavo {

ATOM register_header_strip_class(HINSTANCE instance);

} // namespace kavo
