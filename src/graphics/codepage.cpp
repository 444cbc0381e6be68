#include "graphics/codepage.h"

namespace kavo {

uint32_t language_codepage = 0;

} // namespace kavo
