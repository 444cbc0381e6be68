// Input: main height byte, small height byte, alignment byte, label text.
// The walker must end after at most one step per character (a font switch
// and its character count as two), never read past the text, and never
// step backwards.
#include <string>

#include "fuzz_input.h"
#include "graphics/label_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const int main_height = data[0] * 37, small_height = data[1] * 23;
    const bool bottom = data[2] & 8;
    // An exact-size heap copy, so that ASan sees any read past the NUL.
    const std::string text(reinterpret_cast<const char *>(data + 3), size - 3);
    kavo::LabelWalker walker(text.c_str(), -5, 7, main_height, small_height, bottom);
    kavo::LabelStep step;
    std::size_t steps = 0;
    int last_x = -5;
    while (walker.next(&step)) {
        if (++steps > 2 * text.size() || step.x < last_x)
            __builtin_trap();
        last_x = step.x;
    }
    return 0;
}
