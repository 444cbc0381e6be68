// Hostile texts through the unit and path helpers: unit system names,
// numbers rewritten in place, filters and paths of any length, values of any
// bit pattern.  Each must stay within its buffer and give a defined result.
#include <cstring>
#include <string>

#include "files/file_paths.h"
#include "fuzz_input.h"
#include "units/unit_format.h"
#include "units/unit_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo_fuzz::Input input(data, size);
    const std::string text = input.text();

    const int16_t system = kavo::match_unit_system(text.c_str(), 3);
    if (system < 0 || system > 4)
        __builtin_trap();

    char number[41 + 1];
    std::strncpy(number, text.c_str(), sizeof number - 1);
    number[sizeof number - 1] = 0;
    if (kavo::rewrite_inches_as_mm(number) && std::strlen(number) > 41)
        __builtin_trap();

    std::u16string filter(text.begin(), text.end());
    char16_t list[kavo::kFilterListChars];
    kavo::filter_to_list(filter.c_str(), list);

    char folder[64];
    kavo::dir_of_path(folder, sizeof folder, text.c_str());
    if (std::strncmp(folder, text.c_str(), std::strlen(folder)) != 0)
        __builtin_trap(); // the folder is the start of the path

    float value = 0;
    if (size >= sizeof value)
        std::memcpy(&value, data + size - sizeof value, sizeof value);
    char shown[kavo::kValueTextCapacity];
    kavo::format_value(shown, sizeof shown, value, input.small_int(4), text.size() < 22 ? text.c_str() : "m");
    return 0;
}
