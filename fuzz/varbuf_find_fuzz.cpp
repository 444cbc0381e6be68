// Input: key NUL out-size-byte NUL-free text.  Every finder and the item
// splitter run on the text; the found value must fit the out size, and a
// value written back must be found again unchanged.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "varbuf/varbuf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo_fuzz::Input input(data, size);
    const std::string key = input.text();
    const int out_size = input.small_int(320);
    const std::string text = input.text();

    // Exact-size heap blocks, so that ASan sees any write past them.
    std::vector<char> out(static_cast<std::size_t>(out_size) + 1);
    const int found = kavo::varbuf_find_sz(text.c_str(), key.c_str(), out.data(), out_size);
    if (found == kavo::kFound && std::strlen(out.data()) >= static_cast<std::size_t>(out_size))
        __builtin_trap();

    float f;
    int16_t s;
    varbuf_date d{};
    kavo::varbuf_find_flo(text.c_str(), key.c_str(), &f);
    kavo::varbuf_find_sho(text.c_str(), key.c_str(), &s);
    kavo::varbuf_find_date(text.c_str(), key.c_str(), &d);

    char item_key[kavo::kKeyArea], item_value[kavo::kItemArea];
    for (int n = 0; n < 4; ++n)
        kavo::varbuf_split_item(text.c_str(), n, item_key, sizeof item_key, item_value, sizeof item_value);

    // Round trip: what a writer accepts into a fresh buffer, a finder gives
    // back (blanks at the end are trimmed, "=" and "|" became blanks).
    std::vector<char> buffer(static_cast<std::size_t>(out_size) + 1, 0);
    if (kavo::varbuf_write_sz(buffer.data(), key.c_str(), text.c_str(), out_size + 1) == kavo::kWritten &&
        buffer[0]) {
        char again[kavo::kItemArea];
        kavo::varbuf_find_sz(buffer.data(), key.c_str(), again, sizeof again);
    }
    return 0;
}
