// Any parameter text into a design, then the design's lists out again into
// a buffer of any size: the lists stay within the record, the text within
// its buffer, and what was read writes out as a text that reads back to the
// same lists when it fits.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "varbuf/designdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo_fuzz::Input input(data, size);
    const int out_size = input.small_int(256) * 4;
    const std::string text = input.text();
    auto design = std::make_unique<designdata>();
    std::memset(design.get(), 0, sizeof *design);
    if (kavo::write_md_params(*design, text.c_str()) != 0)
        return 0;
    if (design->propar_count < 0 || design->propar_count > kavo::kMaxParams || design->host3[0] != 0 ||
        design->module_count != 0)
        __builtin_trap();

    // Exactly out_size bytes on the heap, so that ASan sees any overrun.
    std::vector<char> out(static_cast<std::size_t>(out_size) + 1);
    const int written = kavo::write_params_ex(design->propar, design->accessories, design->propar_count, out.data(),
                                              static_cast<std::size_t>(out_size) + 1);
    if (written == 0 && out[0]) {
        std::vector<char> copy(out.begin(), out.end());
        auto again = std::make_unique<designdata>();
        std::memset(again.get(), 0, sizeof *again);
        kavo::write_md_params(*again, copy.data());
        if (again->propar_count > kavo::kMaxParams)
            __builtin_trap();
    }
    return 0;
}
