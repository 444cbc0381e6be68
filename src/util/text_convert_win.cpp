// The exported conversions and the helpers the language texts use.
#include "util/text_convert.h"

#include <cstdint>
#include <string>

#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {

int to_wide(UINT cp, const char *in, wchar_t *out, int capacity)
{
    if (!out || capacity < 1)
        return 0;
    out[0] = L'\0';
    if (!in || !*in)
        return 0;
    // Converted whole first: a conversion straight into a short buffer
    // fails outright instead of cutting.
    const int length = MultiByteToWideChar(cp, 0, in, -1, nullptr, 0);
    if (length <= 1)
        return 0;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(cp, 0, in, -1, &wide[0], length);
    wide.pop_back(); // the terminator; it is written below
    const std::size_t n = wide.copy(out, static_cast<std::size_t>(capacity - 1));
    out[n] = L'\0';
    return n ? static_cast<int>(n) + 1 : 0;
}

int to_narrow(UINT cp, const wchar_t *in, char *out, int capacity)
{
    if (!out || capacity < 1)
        return 0;
    out[0] = '\0';
    if (!in || !*in)
        return 0;
    const int length = WideCharToMultiByte(cp, 0, in, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return 0;
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(cp, 0, in, -1, &narrow[0], length, nullptr, nullptr);
    narrow.pop_back();
    const std::size_t n = narrow.copy(out, static_cast<std::size_t>(capacity - 1));
    out[n] = '\0';
    return n ? static_cast<int>(n) + 1 : 0;
}

} // namespace kavo
