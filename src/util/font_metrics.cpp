#include "util/font_metrics.h"

#include <cstring>

#include "util/text_util.h"

namespace kavo {
namespace {

struct LanguageCharset {
    const char *word;
    uint16_t charset;
    uint32_t codepage;
};

// The first word found in the upper-cased name decides.
constexpr LanguageCharset kLanguageCharsets[] = {
    {"GREEK", 161, 1253},  {"TURKISH", 162, 1254}, {"VIETNAMESE", 163, 0}, {"HEBREW", 177, 1255},
    {"ARABIC", 178, 1256}, {"BALTIC", 186, 1257},  {"RUSSIAN", 204, 1251}, {"THAI", 222, 874},
    {"EASTEUROPE", 238, 1250}, {"CHINESE", 136, 950},
};

struct WidthClass {
    int permille;
    const char *chars;
};

// Letters are bytes: upper and lower case have their own rows.
constexpr WidthClass kArialWidths[] = {
    {200, "j'"},
    {240, "il"},
    {280, "Ift/:;,. "},
    {283, "[]"},
    {320, "!"},
    {340, "r()-"},
    {380, "*"},
    {400, "\xB0\xB2\xB3"},
    {480, "x"},
    {560, "Labdeghnopqu?"},
    {571, "\xE5\xE4\xF6" "0123456789"},
    {580, "+"},
    {620, "FTZ"},
    {650, "="},
    {660, "ABEKPSVXY\xC5\xC4&"},
    {700, "w"},
    {720, "CDHNRU"},
    {780, "GOQ\xD6"},
    {800, "m"},
    {820, "M"},
    {880, "%"},
    {1000, "W"},
};

constexpr int kDefaultPermille = 500;

struct WidthTable {
    int16_t permille[256];
    constexpr WidthTable() : permille()
    {
        for (int i = 0; i < 256; ++i)
            permille[i] = kDefaultPermille;
        for (const WidthClass &w : kArialWidths)
            for (const char *c = w.chars; *c; ++c)
                permille[static_cast<uint8_t>(*c)] = static_cast<int16_t>(w.permille);
    }
};

constexpr WidthTable kWidths;

} // namespace

uint16_t charset_for_language(const char *language)
{
    if (!language || !*language)
        return 0;
    char upper[100];
    std::strncpy(upper, language, sizeof upper - 1);
    upper[sizeof upper - 1] = 0;
    upcase_nordic(upper);
    for (const LanguageCharset &l : kLanguageCharsets)
        if (std::strstr(upper, l.word))
            return l.charset;
    return 0;
}

uint32_t codepage_candidate(uint16_t charset)
{
    for (const LanguageCharset &l : kLanguageCharsets)
        if (l.charset == charset)
            return l.codepage;
    return 0;
}

int arial_width_permille(uint8_t c) { return kWidths.permille[c]; }

int arial_char_width(uint8_t c, int height) { return (arial_width_permille(c) * height + 999) / 1000; }

uint16_t arial_text_width(const char *text, int height)
{
    unsigned sum = 0;
    for (const char *p = text; p && *p; ++p)
        sum += static_cast<unsigned>(arial_char_width(static_cast<uint8_t>(*p), height));
    return static_cast<uint16_t>(sum);
}

} // namespace kavo
