// The design data text: "KEY=value" items joined by "|" in a caller-owned,
// NUL-terminated 8-bit buffer of a given size.  These primitives write and
// find one item; the record codecs are built on them.
#pragma once

#include <cstdint>
#include <cstring>

#include "kavoapi_records.h"

namespace kavo {

// Results of the writers.
enum VarbufWrite : int { kWritten = 0, kEmptyKey = -1, kNoRoom = -2 };
// Results of the finders (and of varbuf_split_item).
enum VarbufFind : int { kFound = 1, kNotFound = 0, kMalformed = -1, kTooLong = -2 };

// Fixed work areas.  A key and value together, or a value alone, longer
// than kItemChars is refused; a search key longer than kSearchKeyChars is
// never found.
inline constexpr int kItemArea = 300;
inline constexpr int kItemChars = kItemArea - 1;
inline constexpr int kKeyArea = 40;
inline constexpr int kSearchKeyChars = 118;
inline constexpr int kItemsPerSearch = 500;
inline constexpr int kNumberArea = 100;
inline constexpr int kDateArea = 12;

int varbuf_write_sz(char *buffer, const char *key, const char *value, int size);
int varbuf_write_flo(char *buffer, const char *key, float value, int decimals, int size);
int varbuf_write_sho(char *buffer, const char *key, int16_t value, int size);
int varbuf_write_date(char *buffer, const char *key, const varbuf_date *date, int size);
// Writes the float unless it would print as zero with `decimals` digits.
int varbuf_write_flo_nz(char *buffer, const char *key, float value, int decimals, int size);

int varbuf_find_sz(const char *buffer, const char *key, char *out, int out_size);
int varbuf_find_flo(const char *buffer, const char *key, float *out);
int varbuf_find_sho(const char *buffer, const char *key, int16_t *out);
int varbuf_find_date(const char *buffer, const char *key, varbuf_date *out);

// The two halves of varbuf_find_sz, so that a reader with an index of the
// items can replace the first.  varbuf_item_with_key: where the first item
// whose text begins exactly with "key=" starts (at the start of the text or
// after a "|"), or nullptr; keys longer than kSearchKeyChars are never found.
// varbuf_find_from: the walk of at most kItemsPerSearch items from there,
// comparing keys without regard to ASCII case; a null item gives kNotFound.
const char *varbuf_item_with_key(const char *text, const char *key);
int varbuf_find_from(const char *item, const char *key, char *out, int out_size);

// What the typed finders make of a text found with the given result: the
// same rules for every reader.  The out value is zeroed first (the date is
// changed only when a date was read).
int varbuf_flo_from(int found, const char *text, float *out);
int varbuf_sho_from(int found, const char *text, int16_t *out);
int varbuf_date_from(int found, const char *text, varbuf_date *out);

// The fast path of reading a float: a decimal of at most 7 digits with an
// optional "-" and point, read exactly as the general reader reads it; the
// number ends at the first other character, which must not be "e" or "E".
// False (out untouched) for anything else.
bool varbuf_scan_short_decimal(const char *text, float *out);
// Whether the fast path can be taken: float arithmetic in float precision.
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ == 0
#define KAVO_FLOAT_IN_FLOAT 1
#else
#define KAVO_FLOAT_IN_FLOAT 0
#endif
// The fast path's value of `mantissa` / 10^decimals (mantissa below 10^7,
// decimals 0 to 7), correctly rounded as the general parser rounds it.  A
// multiply by the nearest double to 10^-decimals is off by at most 2^-52
// relative, while such a quotient lies at least 2^-48 relative away from
// any point halfway between two floats (its distance to one is a nonzero
// integer over 10^decimals times the halfway point's 25-bit numerator).
// So rounding the double to float gives the correctly rounded quotient,
// without a division in the path.
//
// The mantissa becomes a double through its bits (2^52 + mantissa, less
// 2^52) rather than an integer conversion: that instruction keeps the rest
// of its target register, which ties each number read to the one before.
inline float varbuf_short_decimal_value(uint32_t mantissa, int decimals, bool negative)
{
    constexpr double kInversePowers[] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7};
    constexpr double kTwo52 = 4503599627370496.0;
    const uint64_t bits = 0x4330000000000000u | mantissa;
    double exact;
    std::memcpy(&exact, &bits, sizeof exact);
    const float value = static_cast<float>((exact - kTwo52) * kInversePowers[decimals]);
    return negative ? -value : value;
}

// Item n of the text: its key (cut to key_size - 1 characters, trailing
// blanks removed, upper-cased) and value (cut to value_size - 1, trailing
// blanks removed).  1 for an item, 0 when there is no item n or it is empty,
// -1 for an item without key, without "=" or with an empty value.
int varbuf_split_item(const char *text, int n, char *key, int key_size, char *value, int value_size);

// The item at `cursor` with the same rules, advancing the cursor to the
// next item; the search and the design readers walk texts this way.
int varbuf_next_item(const char **cursor, char *key, int key_size, char *value, int value_size);

// "dd.mm.yyyy" with zero-padded day and month, blank-padded year; an
// all-zero date gives an empty text.  out holds at least kDateTextArea.
inline constexpr int kDateTextArea = 16;
void date_to_text(const varbuf_date &date, char *out);
// 0 and the date read, or -1 with the date unchanged.
int text_to_date(const char *text, varbuf_date *out);

} // namespace kavo
