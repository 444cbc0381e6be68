// Any text through text_to_date: a failure leaves the date alone, and a
// date that was read prints and reads back to itself (a day or month of
// three digits prints in a form the reader refuses, by design).
#include <cstring>
#include <string>

#include "varbuf/varbuf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    varbuf_date date{0xAA, 0xBB, 0xCCDD};
    const varbuf_date before = date;
    if (kavo::text_to_date(text.c_str(), &date) != 0) {
        if (std::memcmp(&date, &before, sizeof date) != 0)
            __builtin_trap(); // a failure must leave the date unchanged
        return 0;
    }
    char printed[kavo::kDateTextArea];
    kavo::date_to_text(date, printed);
    varbuf_date again{};
    const bool reads_back = date.day < 100 && date.month < 100;
    if (printed[0] && reads_back &&
        (kavo::text_to_date(printed, &again) != 0 || std::memcmp(&again, &date, sizeof date) != 0))
        __builtin_trap();
    return 0;
}
