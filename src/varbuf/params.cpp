// Product parameters (short key/value pairs) and accessory lists.
#include <cstring>
#include <string>

#include "util/text_util.h"
#include "varbuf/designdata.h"
#include "util/text_field.h"

namespace kavo {
namespace {

constexpr std::size_t kKeyField = sizeof(propar_entry{}.key);
constexpr std::size_t kValueField = sizeof(propar_entry{}.value);

// A key compares as its field holds it: cut to 4 characters.
bool same_key(const propar_entry &entry, const char *key)
{
    char cut[kKeyField];
    set_field_text(cut, sizeof cut, key);
    return ascii_iequal(entry.key, cut, kKeyField - 1);
}

// The count may sit misaligned in a packed record (or wherever the host
// keeps it): it is read and written by bytes.
int16_t load_count(const int16_t *count)
{
    int16_t value;
    std::memcpy(&value, static_cast<const void *>(count), sizeof value);
    return value;
}

void append_entry(propar_entry *entries, int16_t *count, const char *key, const char *value)
{
    const int16_t in_use = load_count(count);
    if (in_use < 0 || in_use >= kMaxParams)
        return;
    propar_entry &entry = entries[in_use];
    set_field_text(entry.key, kKeyField, key);
    set_field_text(entry.value, kValueField, value);
    const int16_t grown = static_cast<int16_t>(in_use + 1);
    std::memcpy(static_cast<void *>(count), &grown, sizeof grown);
}

constexpr int kPairArea = 100;
constexpr int kParamFieldArea = 80;
constexpr int kParamKeyArea = 20;
constexpr std::size_t kExtArea = 800;
constexpr int kAccessoryCodeArea = 10;

} // namespace

int get_propar(const propar_entry *entries, int count, const char *key, char *out, int out_size)
{
    if (out && out_size > 0)
        out[0] = 0;
    if (!entries || !key || count < 1)
        return -1;
    if (count > kMaxParams)
        count = kMaxParams;
    for (int i = 0; i < count; ++i) {
        if (!same_key(entries[i], key))
            continue;
        if (out && out_size > 0)
            set_field_text(out, static_cast<std::size_t>(out_size), entries[i].value);
        return 0;
    }
    return -1;
}

void set_propar(propar_entry *entries, int16_t *count, const char *key, const char *value)
{
    if (!entries || !count || !key)
        return;
    const int16_t stored = load_count(count);
    const int in_use = stored < kMaxParams ? stored : kMaxParams;
    for (int i = 0; i < in_use; ++i) {
        if (same_key(entries[i], key)) {
            set_field_text(entries[i].value, kValueField, value);
            return;
        }
    }
    append_entry(entries, count, key, value);
}

int write_params_ex(const propar_entry *entries, const char *accessories, int count, char *text, std::size_t size)
{
    if (!text || size == 0)
        return -2;
    text[0] = 0;
    if (count == 0)
        return -1;
    if (count > kMaxParams)
        count = kMaxParams;
    std::size_t length = 0;
    for (int i = 0; entries && i < count; ++i) {
        char key[kKeyField], value[kValueField], pair[kPairArea];
        set_field_text(key, sizeof key, entries[i].key);
        set_field_text(value, sizeof value, entries[i].value);
        const int pair_length = std::snprintf(pair, sizeof pair, "%s=%s", key, value);
        if (length + static_cast<std::size_t>(pair_length) + 1 > size - 1)
            return -2;
        if (length > 0)
            text[length++] = '|';
        std::memcpy(text + length, pair, static_cast<std::size_t>(pair_length) + 1);
        length += static_cast<std::size_t>(pair_length);
    }
    if (accessories && *accessories) {
        const std::size_t list_length = std::strlen(accessories);
        const std::size_t separator = length > 0 ? 1 : 0; // the text never begins with "|"
        if (length + separator + 3 + list_length > size - 1)
            return -2;
        std::string item = separator ? "|AC=" : "AC=";
        item += accessories;
        std::memcpy(text + length, item.c_str(), item.size() + 1);
    }
    return 0;
}

int write_md_params(designdata &d, const char *text)
{
    if (!text || !*text)
        return -1;
    d.propar_count = 0;
    d.accessories[0] = 0;
    const char separator = std::strchr(text, '|') ? '|' : ',';
    char field[kParamFieldArea], key[kParamKeyArea], value[kParamFieldArea];
    for (int n = 0; text_field(field, text, separator, n, sizeof field); ++n) {
        if (!text_field(key, field, '=', 0, sizeof key) || !text_field(value, field, '=', 1, sizeof value))
            continue;
        if (ascii_iequal(key, "AC", 3))
            set_field_text(d.accessories, sizeof d.accessories, value);
        else
            append_entry(d.propar, &d.propar_count, key, value);
    }
    return 0;
}

std::size_t ext_params_size(const char *first, const char *second, const char *third)
{
    std::size_t size = 3; // two separators and the NUL
    for (const char *part : {first, second, third})
        size += part ? std::strlen(part) : 0;
    return size;
}

void ext_params_to_szv(const char *first, const char *second, const char *third, char *out, std::size_t out_size)
{
    if (!out || out_size == 0)
        return;
    std::size_t length = 0;
    auto append = [&](const char *part) {
        for (; part && *part && length < out_size - 1; ++part)
            out[length++] = *part;
    };
    append(first);
    for (const char *part : {second, third}) {
        if (!part || !*part)
            continue;
        if (length > 0)
            append(",");
        append(part);
    }
    out[length] = 0;
    // The items are joined by "|"; an accessory list stays comma-separated.
    for (std::size_t i = 0; i + 3 <= length; ++i) {
        if (std::strncmp(out + i, "AC=", 3) == 0)
            break;
        if (out[i] == ',')
            out[i] = '|';
    }
}

int find_ext_param_value(const char *first, const char *second, const char *third, const char *key, char *out,
                         int out_size)
{
    if (out && out_size > 0)
        out[0] = 0;
    char joined[kExtArea];
    ext_params_to_szv(first, second, third, joined, sizeof joined);
    return varbuf_find_sz(joined, key, out, out_size);
}

int is_accessory_set_sz(const char *list, const char *code)
{
    if (!list || !*list || !code)
        return 0;
    char field[kAccessoryCodeArea];
    for (int n = 0; text_field(field, list, ',', n, sizeof field); ++n)
        if (std::strcmp(field, code) == 0)
            return 1;
    return 0;
}

} // namespace kavo
