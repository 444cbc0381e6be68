#include "varbuf/varbuf.h"

#include <cmath>
#include <cstring>

#include "util/text_util.h"
#include "util/number_text.h"
#include "util/text_field.h"

namespace kavo {
namespace {

constexpr char kSeparator = '|';

// Length of the text in a buffer of `size` bytes, or -1 when no NUL stands
// inside it: then nothing may be appended.
long text_length_within(const char *buffer, int size)
{
    const void *nul = std::memchr(buffer, 0, static_cast<std::size_t>(size));
    return nul ? static_cast<const char *>(nul) - buffer : -1;
}

// Where "key=" begins an item: at the start of the text or right after a
// separator.  A key that is only the tail of a longer key never matches.
const char *find_item_with_key(const char *text, const char *key, std::size_t key_length)
{
    for (const char *p = text; (p = std::strstr(p, key)) != nullptr; ++p) {
        if (p[key_length] == '=' && (p == text || p[-1] == kSeparator))
            return p;
        if (!*p)
            break; // an empty key matches at the terminating NUL too
    }
    return nullptr;
}

} // namespace

int varbuf_write_sz(char *buffer, const char *key, const char *value, int size)
{
    if (!key || !*key)
        return kEmptyKey;
    const std::size_t value_length = value ? std::strlen(value) : 0;
    if (value_length == 0)
        return kWritten;
    const std::size_t key_length = std::strlen(key);
    if (value_length > kItemChars || key_length + 1 + value_length > kItemChars)
        return kNoRoom;
    if (!buffer || size < 1)
        return kNoRoom;
    const long text_length = text_length_within(buffer, size);
    if (text_length < 0)
        return kNoRoom;
    const std::size_t item_length = key_length + 1 + value_length;
    // The separator is counted even for an empty text.
    if (static_cast<std::size_t>(text_length) + 1 + item_length >= static_cast<std::size_t>(size))
        return kNoRoom;

    char *p = buffer + text_length;
    if (text_length > 0)
        *p++ = kSeparator;
    std::memcpy(p, key, key_length);
    p += key_length;
    *p++ = '=';
    for (std::size_t i = 0; i < value_length; ++i)
        *p++ = (value[i] == '=' || value[i] == kSeparator) ? ' ' : value[i];
    *p = 0;
    return kWritten;
}

int varbuf_write_flo(char *buffer, const char *key, float value, int decimals, int size)
{
    char text[kItemArea + 100];
    if (format_fixed(text, sizeof text, static_cast<double>(value), decimals) == 0)
        return (!key || !*key) ? kEmptyKey : kNoRoom;
    return varbuf_write_sz(buffer, key, text, size);
}

int varbuf_write_sho(char *buffer, const char *key, int16_t value, int size)
{
    char text[12];
    format_int(text, sizeof text, value);
    return varbuf_write_sz(buffer, key, text, size);
}

int varbuf_write_date(char *buffer, const char *key, const varbuf_date *date, int size)
{
    char text[kDateTextArea] = "";
    if (date)
        date_to_text(*date, text);
    return varbuf_write_sz(buffer, key, text, size);
}

int varbuf_write_flo_nz(char *buffer, const char *key, float value, int decimals, int size)
{
    // Half a unit of the last written decimal: anything smaller prints as 0.
    const double threshold = 5.0 / std::pow(10.0, decimals + 1.0);
    if (threshold > std::fabs(static_cast<double>(value)))
        return kWritten;
    return varbuf_write_flo(buffer, key, value, decimals, size);
}

int varbuf_next_item(const char **cursor, char *key, int key_size, char *value, int value_size)
{
    if (key && key_size > 0)
        key[0] = 0;
    if (value && value_size > 0)
        value[0] = 0;
    if (!cursor || !*cursor || !key || key_size < 1 || !value || value_size < 1)
        return kNotFound;

    char item[kItemArea];
    const char *next = text_field(item, *cursor, kSeparator, 0, kItemArea);
    if (!next || !item[0])
        return kNotFound;
    *cursor = next;

    if (!text_field(key, item, '=', 0, key_size) || !key[0])
        return kMalformed;
    rtrim_blanks(key);
    if (!key[0])
        return kMalformed;
    upcase_nordic(key);

    char raw_value[kItemArea];
    if (!text_field(raw_value, item, '=', 1, kItemArea))
        return kMalformed;
    copy_trimmed(value, raw_value, value_size - 1);
    rtrim_blanks(value);
    return value[0] ? kFound : kMalformed;
}

int varbuf_split_item(const char *text, int n, char *key, int key_size, char *value, int value_size)
{
    if (key && key_size > 0)
        key[0] = 0;
    if (value && value_size > 0)
        value[0] = 0;
    if (!text || !*text || n < 0)
        return kNotFound;
    char skipped[kItemArea];
    const char *cursor = text;
    for (int i = 0; i < n; ++i) {
        cursor = text_field(skipped, cursor, kSeparator, 0, kItemArea);
        if (!cursor)
            return kNotFound;
    }
    return varbuf_next_item(&cursor, key, key_size, value, value_size);
}

const char *varbuf_item_with_key(const char *text, const char *key)
{
    if (!text || !key)
        return nullptr;
    const std::size_t key_length = std::strlen(key);
    if (key_length > kSearchKeyChars)
        return nullptr;
    return find_item_with_key(text, key, key_length);
}

int varbuf_find_from(const char *item, const char *key, char *out, int out_size)
{
    if (out && out_size > 0)
        out[0] = 0;
    if (!item || !key)
        return kNotFound;
    const char *cursor = item;
    char item_key[kKeyArea];
    char item_value[kItemArea];
    for (int i = 0; i < kItemsPerSearch; ++i) {
        const int result = varbuf_next_item(&cursor, item_key, kKeyArea, item_value, kItemArea);
        if (result != kFound)
            return result;
        if (!ascii_iequal(item_key, key))
            continue;
        const std::size_t value_length = std::strlen(item_value);
        if (!out || out_size < 1 || value_length > static_cast<std::size_t>(out_size) - 1)
            return kTooLong;
        std::memcpy(out, item_value, value_length + 1);
        return kFound;
    }
    return kNotFound;
}

int varbuf_find_sz(const char *buffer, const char *key, char *out, int out_size)
{
    return varbuf_find_from(varbuf_item_with_key(buffer, key), key, out, out_size);
}

// The common short decimals ("-12.50") read without the general parser,
// only where float arithmetic is done in float precision (not on the x87).
bool varbuf_scan_short_decimal(const char *text, float *out)
{
#if KAVO_FLOAT_IN_FLOAT
    const char *p = text;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    uint32_t mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (;; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++digits > 7)
                return false;
            mantissa = mantissa * 10 + static_cast<uint32_t>(*p - '0');
            decimals += point;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || *p == 'e' || *p == 'E')
        return false;
    *out = varbuf_short_decimal_value(mantissa, decimals, negative);
    return true;
#else
    (void)text;
    (void)out;
    return false;
#endif
}

int varbuf_flo_from(int found, const char *text, float *out)
{
    if (!out)
        return kMalformed;
    *out = 0;
    if (found < kFound)
        return found;
    if (varbuf_scan_short_decimal(text, out))
        return kFound;
    if (!scan_float(text, out)) {
        *out = 0;
        return kMalformed;
    }
    return kFound;
}

int varbuf_sho_from(int found, const char *text, int16_t *out)
{
    if (!out)
        return kMalformed;
    *out = 0;
    if (found < kFound)
        return found;
    int32_t value = 0;
    if (!scan_int(text, &value))
        return kMalformed;
    *out = static_cast<int16_t>(static_cast<uint16_t>(value));
    return kFound;
}

int varbuf_date_from(int found, const char *text, varbuf_date *out)
{
    if (found < kFound)
        return found;
    if (!out)
        return kMalformed;
    return text_to_date(text, out);
}

int varbuf_find_flo(const char *buffer, const char *key, float *out)
{
    if (!out)
        return kMalformed;
    char text[kNumberArea];
    return varbuf_flo_from(varbuf_find_sz(buffer, key, text, kNumberArea), text, out);
}

int varbuf_find_sho(const char *buffer, const char *key, int16_t *out)
{
    if (!out)
        return kMalformed;
    char text[kNumberArea];
    return varbuf_sho_from(varbuf_find_sz(buffer, key, text, kNumberArea), text, out);
}

int varbuf_find_date(const char *buffer, const char *key, varbuf_date *out)
{
    char text[kDateArea];
    return varbuf_date_from(varbuf_find_sz(buffer, key, text, kDateArea), text, out);
}

void date_to_text(const varbuf_date &date, char *out)
{
    out[0] = 0;
    if (date.day == 0 && date.month == 0 && date.year == 0)
        return;
    char day[4], month[4], year[8];
    format_int(day, sizeof day, date.day);
    format_int(month, sizeof month, date.month);
    format_int(year, sizeof year, date.year);
    // "%2d" with the leading blank turned into "0" for day and month; "%4d"
    // keeps the blanks of a short year.
    char *p = out;
    if (!day[1])
        *p++ = '0';
    p = std::strcpy(p, day) + std::strlen(day);
    *p++ = '.';
    if (!month[1])
        *p++ = '0';
    p = std::strcpy(p, month) + std::strlen(month);
    *p++ = '.';
    for (std::size_t pad = std::strlen(year); pad < 4; ++pad)
        *p++ = ' ';
    std::strcpy(p, year);
}

int text_to_date(const char *text, varbuf_date *out)
{
    if (!text || !out)
        return -1;
    const char *first_dot = std::strchr(text, '.');
    if (!first_dot || first_dot - text < 1 || first_dot - text > 2)
        return -1;
    int32_t day = 0, month = 0, year = 0;
    if (!scan_int(text, &day))
        return -1;
    const char *second_dot = std::strchr(first_dot + 1, '.');
    if (!second_dot || second_dot - first_dot < 2 || second_dot - first_dot > 3)
        return -1;
    if (!scan_int(first_dot + 1, &month) || !scan_int(second_dot + 1, &year))
        return -1;
    out->day = static_cast<uint8_t>(day);
    out->month = static_cast<uint8_t>(month);
    out->year = static_cast<uint16_t>(year);
    return 0;
}

} // namespace kavo
