// Named fonts and pens kept until the module is unloaded, and the module's
// system font.
#pragma once

namespace kavo {

// Delete every named font (pen) object and empty the table; the module
// frame calls them at detach, pens after fonts.
void fonts_release_all();
void pens_release_all();

// Record counts, for tests of the table rules.
int font_count();
int pen_count();

} // namespace kavo
