// Font and pen exports: named fonts and pens, the system font of the
// current language and the other font factories.
#include <windows.h>
#include <cstring>
#include "util/module_state.h"
#include "util/font_metrics.h"
#include "graphics/fonts_pens.h"
#include "graphics/named_table.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"
#include "graphics/fonts_pens_win.h"

using namespace kavo;
using namespace kavo::fonts_pens_win;

extern "C" int32_t WINAPI qafont_check(const char *name, const char *face, const char *style, uint16_t height,
                                       int16_t angle, uint8_t opaque, uint8_t red, uint8_t green,
                                       uint8_t blue) noexcept
{
    return guarded<int32_t>(-1, [&]() -> int32_t {
        font_record *record = font_table.find(name);
        if (record) {
            // Only size and colour count: a new face, style, angle or
            // background keeps the font that is there.
            if (record->height == height && record->red == red && record->green == green && record->blue == blue)
                return 0;
            if (record->handle)
                DeleteObject(record->handle);
            std::memset(record, 0, sizeof *record);
        } else if (!(record = font_table.append())) {
            return -1;
        }
        copy_name(record->name, name);
        copy_cut(record->face, sizeof record->face, face);
        copy_cut(record->style, sizeof record->style, style);
        record->angle = angle;
        record->opaque = opaque;
        record->height = height;
        record->red = red;
        record->green = green;
        record->blue = blue;
        const bool bold = std::strchr(record->style, 'B'), italic = std::strchr(record->style, 'I'),
                   underline = std::strchr(record->style, 'U');
        record->handle = make_font(height, angle, bold ? FW_BOLD : FW_NORMAL, italic, underline, system_charset,
                                   record->face);
        return record->handle ? 1 : -1;
    });
}

extern "C" uint16_t WINAPI qafont_select(HDC hdc, const char *name) noexcept
{
    return guarded<uint16_t>(0, [&]() -> uint16_t {
        const font_record *record = font_table.find(name);
        if (!record || !record->handle)
            return 0;
        SelectObject(hdc, record->handle);
        SetTextColor(hdc, colour(record->red, record->green, record->blue));
        SetBkMode(hdc, record->opaque ? OPAQUE : TRANSPARENT);
        return record->height;
    });
}

extern "C" uint16_t WINAPI qafont_Hmm10(const char *name) noexcept
{
    const font_record *record = font_table.find(name);
    return record ? record->height : 0;
}

extern "C" int32_t WINAPI qafont_get_info(const char *name, font_info *info) noexcept
{
    return guarded<int32_t>(-1, [&]() -> int32_t {
        if (!info)
            return -1;
        std::memset(info, 0, sizeof *info);
        copy_cut(info->name, sizeof info->name, name);
        const font_record *record = font_table.find(name);
        if (!record) {
            std::strcpy(info->face, "Arial");
            info->height = 40;
            return -1;
        }
        std::memcpy(info->face, record->face, sizeof info->face);
        copy_cut(info->style, sizeof info->style, record->style);
        info->height = record->height;
        info->angle = record->angle;
        info->opaque = record->opaque;
        info->red = record->red;
        info->green = record->green;
        info->blue = record->blue;
        return 0;
    });
}

extern "C" uint16_t WINAPI qafont_get_charsetID(const char *language) noexcept
{
    return charset_for_language(language);
}

extern "C" uint32_t WINAPI qafont_codepage_for_charset(uint16_t charset) noexcept
{
    const uint32_t codepage = codepage_candidate(charset);
    return codepage && IsValidCodePage(codepage) ? codepage : 0;
}

extern "C" HFONT WINAPI qafont_get_systemfont(void) noexcept
{
    return system_font ? system_font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

extern "C" uint16_t WINAPI qafont_get_systemfont_cset(void) noexcept { return system_charset; }

extern "C" void WINAPI qafont_release_systemfont(void) noexcept
{
    guarded_void([] {
        if (system_font)
            DeleteObject(system_font);
        system_font = nullptr;
        system_charset = 0;
        // Named fonts carry the old character set: they are made again.
        fonts_release_all();
    });
}

extern "C" HFONT WINAPI qafont_create_pixelfont(int32_t height, int32_t weight, const char *face,
                                                const char *language) noexcept
{
    return guarded<HFONT>(nullptr, [&] {
        return make_font(height, 0, weight, false, false, charset_for_language(language), face);
    });
}

extern "C" HFONT WINAPI qafont_create_systemfont(int32_t height, int32_t weight, const char *face,
                                                 const char *language) noexcept
{
    return guarded<HFONT>(nullptr, [&] {
        qafont_release_systemfont();
        system_charset = charset_for_language(language);
        module_state().languageCodepage = qafont_codepage_for_charset(system_charset);
        // Languages of the default character set use the platform's font.
        if (system_charset != 0)
            system_font = qafont_create_pixelfont(height, weight, face, language);
        return qafont_get_systemfont();
    });
}

extern "C" HFONT WINAPI qafont_create_gui_font(int32_t height, int32_t weight) noexcept
{
    return guarded<HFONT>(nullptr, [&]() -> HFONT {
        LOGFONTA description{};
        if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description))
            return nullptr;
        description.lfHeight = height;
        description.lfWeight = weight;
        return CreateFontIndirectA(&description);
    });
}

extern "C" uint16_t WINAPI qafont_init_qcq_charset(const char *language) noexcept
{
    qcq_charset = charset_for_language(language);
    return qcq_charset;
}

extern "C" uint16_t WINAPI qafont_qcq_charset(void) noexcept { return qcq_charset; }

extern "C" HFONT WINAPI qafont_create_qcqTablefont(int32_t height, int32_t weight, const char *face) noexcept
{
    return guarded<HFONT>(nullptr, [&] {
        LOGFONTA description{};
        description.lfHeight = -height;
        description.lfWeight = weight;
        description.lfCharSet = static_cast<BYTE>(qcq_charset & 0xFF);
        copy_cut(description.lfFaceName, sizeof description.lfFaceName, face);
        return CreateFontIndirectA(&description);
    });
}

extern "C" uint16_t WINAPI qafont_cxpix_arial(const char *text, uint16_t height) noexcept
{
    return arial_text_width(text, height);
}

extern "C" uint16_t WINAPI qafont_cxpix_arial_wc(const wchar_t *text, uint16_t height) noexcept
{
    return guarded<uint16_t>(0, [&]() -> uint16_t {
        char ansi[1000];
        if (!text || WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr) == 0)
            ansi[0] = 0;
        ansi[sizeof ansi - 1] = 0;
        return arial_text_width(ansi, height);
    });
}

extern "C" int32_t WINAPI qapen_check(const char *name, int16_t style, uint16_t width, uint8_t red, uint8_t green,
                                      uint8_t blue) noexcept
{
    return guarded<int32_t>(-1, [&]() -> int32_t {
        pen_record *record = pen_table.find(name);
        const bool appended = !record;
        if (record) {
            if (record->width == width && record->red == red && record->green == green && record->blue == blue)
                return 0; // the style is not compared
            if (record->handle)
                DeleteObject(record->handle);
            std::memset(record, 0, sizeof *record);
        } else if (!(record = pen_table.append())) {
            return -2;
        }
        copy_name(record->name, name);
        record->style = style;
        record->width = width;
        record->red = red;
        record->green = green;
        record->blue = blue;
        record->handle = CreatePen(style, width, colour(red, green, blue));
        if (record->handle)
            return 0;
        if (appended)
            pen_table.drop_last();
        return -1;
    });
}

extern "C" uint16_t WINAPI qapen_select(HDC hdc, const char *name) noexcept
{
    return guarded<uint16_t>(0, [&]() -> uint16_t {
        const pen_record *record = pen_table.find(name);
        if (!record || !record->handle) {
            SelectObject(hdc, GetStockObject(BLACK_PEN));
            return 0;
        }
        SelectObject(hdc, record->handle);
        return record->width;
    });
}

extern "C" uint16_t WINAPI qapen_Wmm10(const char *name) noexcept
{
    const pen_record *record = pen_table.find(name);
    return record && record->handle ? record->width : 0;
}

extern "C" int32_t WINAPI qapen_get_info(const char *name, pen_info *info) noexcept
{
    return guarded<int32_t>(-1, [&]() -> int32_t {
        if (!info)
            return -1;
        std::memset(info, 0, sizeof *info);
        copy_cut(info->name, sizeof info->name, name);
        const pen_record *record = pen_table.find(name);
        if (!record)
            return -1;
        info->style = record->style;
        info->width = record->width;
        info->red = record->red;
        info->green = record->green;
        info->blue = record->blue;
        return 0;
    });
}

extern "C" void WINAPI qa_setdlgfont(HWND dialog) noexcept
{
    guarded_void([&] {
        if (!dialog)
            return;
        const HFONT font = qafont_get_systemfont();
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    });
}
