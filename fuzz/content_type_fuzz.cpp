// Input: a content type, NUL, a file name.  The content type may name one
// of the four image extensions or none; renaming keeps the name up to its
// last dot and grows it by at most the three letters, in a buffer of
// exactly that much room, so ASan sees any write past it.
#include <cstring>
#include <string>
#include <vector>

#include "files/download.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo_fuzz::Input input(data, size);
    const std::string type = input.text();
    const std::string name = input.text();
    const char *extension = kavo::image_extension_of(type.c_str());
    if (!extension)
        return 0;
    if (std::strlen(extension) != 3 || !std::strstr("JPG PNG GIF BMP", extension))
        __builtin_trap();
    std::vector<char> renamed(name.begin(), name.end());
    renamed.resize(name.size() + 4, '\0');
    kavo::replace_extension(renamed.data(), extension);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot < 599 && std::strncmp(renamed.data(), name.c_str(), dot + 1) != 0)
        __builtin_trap();
    return 0;
}
