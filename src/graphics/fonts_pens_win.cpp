// Named fonts and pens, with heights and widths in tenths of a millimetre
// handed to the platform as logical units; the system font of the current
// language and the other font factories.
#include <windows.h>

#include <cstring>

#include "util/module_state.h"
#include "util/font_metrics.h"
#include "graphics/fonts_pens.h"
#include "graphics/named_table.h"
#include "graphics/fonts_pens_win.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"

namespace kavo {
namespace fonts_pens_win {

NamedTable<font_record> font_table;
NamedTable<pen_record> pen_table;
HFONT system_font = nullptr;
uint16_t system_charset = 0;
uint16_t qcq_charset = 0;

COLORREF colour(uint8_t red, uint8_t green, uint8_t blue) { return RGB(red, green, blue); }

HFONT make_font(int height, int angle, int weight, bool italic, bool underline, uint16_t charset, const char *face)
{
    return CreateFontA(-height, 0, angle * 10, angle * 10, weight, italic, underline, FALSE, charset & 0xFF, 0, 0,
                       0, 0, face ? face : "");
}

} // namespace fonts_pens_win

using namespace fonts_pens_win;

void fonts_release_all() { font_table.release_all(); }
void pens_release_all() { pen_table.release_all(); }
int font_count() { return font_table.count(); }
int pen_count() { return pen_table.count(); }

} // namespace kavo
