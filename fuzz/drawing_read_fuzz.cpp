// Any text through the drawing data reader: the record stays within its
// fields and counts, and what it read is written and read back unchanged
// (extras whose cut key or value ends in a blank excepted: a reader trims;
// and dates whose day or month read as 100 or more, which print in a form
// the date reader refuses).
#include <cstring>
#include <string>
#include <vector>

#include "varbuf/designdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    drawingdata first;
    std::memset(&first, 0xEE, sizeof first);
    kavo::read_drawingdata(first, text.c_str(), kavo::IndexedFinder(text.c_str()));
    if (first.extra_count < 0 || first.extra_count > kavo::kMaxParams || first.host1[0] != 0)
        __builtin_trap();
    for (int i = 0; i < first.extra_count; ++i)
        if (!std::memchr(first.extras[i].key, 0, sizeof first.extras[i].key) ||
            !std::memchr(first.extras[i].value, 0, sizeof first.extras[i].value))
            __builtin_trap();

    std::vector<char> written(8192, 0);
    kavo::write_drawingdata(first, written.data(), static_cast<int>(written.size()));
    drawingdata second;
    kavo::read_drawingdata(second, text.c_str(), kavo::IndexedFinder(written.data()));
    bool trimmed_key = false;
    const auto ends_in_blank = [](const char *text) {
        const std::size_t n = std::strlen(text);
        return n > 0 && text[n - 1] == ' ';
    };
    for (int i = 0; i < first.extra_count; ++i)
        trimmed_key |= ends_in_blank(first.extras[i].key) || ends_in_blank(first.extras[i].value);
    const auto odd = [](const varbuf_date &d) { return d.day >= 100 || d.month >= 100; };
    if (!trimmed_key && !odd(first.pda) && !odd(first.pdm) && std::memcmp(&first, &second, offsetof(drawingdata, host1)) != 0)
        __builtin_trap();
    return 0;
}
