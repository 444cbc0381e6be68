// The tables of named fonts and pens and the module's font state, shared by
// the font and pen exports and the release at unload.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/named_table.h"

namespace kavo {
namespace fonts_pens_win {

struct font_record {
    char name[kNameField];
    uint8_t red, green, blue;
    uint16_t height;
    int16_t angle;
    uint8_t opaque;
    char face[80];
    char style[8];
    HFONT handle;
};

struct pen_record {
    char name[kNameField];
    HPEN handle;
    uint16_t width;
    int16_t style;
    uint8_t red, green, blue;
};

extern NamedTable<font_record> font_table;
extern NamedTable<pen_record> pen_table;
extern HFONT system_font;
extern uint16_t system_charset;
extern uint16_t qcq_charset;

COLORREF colour(uint8_t red, uint8_t green, uint8_t blue);
HFONT make_font(int height, int angle, int weight, bool italic, bool underline, uint16_t charset, const char *face);

} // namespace fonts_pens_win
} // namespace kavo
