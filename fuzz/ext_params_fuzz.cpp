// Three parameter texts joined into exactly the room the header promises,
// and any key looked up in them with any out size.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "varbuf/designdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo_fuzz::Input input(data, size);
    const int out_size = input.small_int(64);
    const std::string first = input.text(), second = input.text(), third = input.text(), key = input.text();

    const std::size_t room = kavo::ext_params_size(first.c_str(), second.c_str(), third.c_str());
    std::vector<char> joined(room);
    kavo::ext_params_to_szv(first.c_str(), second.c_str(), third.c_str(), joined.data(), room);
    if (std::strlen(joined.data()) > first.size() + second.size() + third.size() + 2)
        __builtin_trap();

    std::vector<char> out(static_cast<std::size_t>(out_size > 0 ? out_size : 1));
    const int found =
        kavo::find_ext_param_value(first.c_str(), second.c_str(), third.c_str(), key.c_str(), out.data(), out_size);
    if (found == kavo::kFound && std::strlen(out.data()) >= static_cast<std::size_t>(out_size))
        __builtin_trap();
    // A join that fits the search's work area is what the search looks in.
    if (room <= 800) {
        std::vector<char> direct(static_cast<std::size_t>(out_size > 0 ? out_size : 1));
        if (kavo::varbuf_find_sz(joined.data(), key.c_str(), direct.data(), out_size) != found ||
            (out_size > 0 && std::strcmp(direct.data(), out.data()) != 0))
            __builtin_trap();
    }
    return 0;
}
