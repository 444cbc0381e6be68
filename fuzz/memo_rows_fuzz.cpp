// Input: font height byte, max width byte, row buffer size byte, memo text.
// Every fetch must stay inside its buffer, a row must fit the limit in
// character mode, each fetch that gives a row must move on, and the memo
// must be used up in at most one fetch per character.
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/memo_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const uint16_t font_height = data[0] & 0x80 ? data[0] & 0x7F : 0;
    const uint16_t max_width = data[1];
    const uint32_t buffer_size = 2 + data[2] % 64;
    const std::string text(reinterpret_cast<const char *>(data + 3), size - 3);
    qat_memoinfo info;
    kavo::memo_init(&info, text.c_str(), font_height, max_width);
    std::vector<char> row(buffer_size); // exact size: ASan sees overruns
    std::size_t fetches = 0;
    int32_t last = info.position;
    while (kavo::memo_next_row(&info, row.data(), buffer_size) == 1) {
        const std::size_t n = std::strlen(row.data());
        if (n >= buffer_size || info.position <= last || ++fetches > text.size())
            __builtin_trap();
        if (font_height == 0 && n > (max_width > 1 ? max_width : 1u))
            __builtin_trap();
        last = info.position;
    }
    if (row[0] != 0)
        __builtin_trap();
    return 0;
}
