// Number text and GUID exports.
#include "files/text_util_win.h"
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include "util/text_util.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "varbuf/utf_convert.h"

extern "C" int32_t WINAPI qa_smart_sprint(char *buffer, int32_t size, double value, int32_t decimals) noexcept
{
    return kavo::guarded(0, [&] { return kavo::smart_sprint(buffer, size, value, decimals); });
}

extern "C" int32_t WINAPI qa_smart_sprintw(wchar_t *buffer, int32_t size, double value, int32_t decimals) noexcept
{
    return kavo::guarded(0, [&] {
        return kavo::smart_sprint_w(reinterpret_cast<char16_t *>(buffer), size, value, decimals);
    });
}

extern "C" int32_t WINAPI qa_create_guid(char *out) noexcept
{
    if (!out)
        return -1;
    out[0] = 0;
    UUID uuid;
    const RPC_STATUS status = kavo::detail::uuid_create(&uuid);
    if (status != RPC_S_OK && status != RPC_S_UUID_LOCAL_ONLY)
        return -1;
    RPC_CSTR text = nullptr;
    if (UuidToStringA(&uuid, &text) != RPC_S_OK || !text)
        return -1;
    char *p = out;
    for (const unsigned char *s = text; *s; ++s) {
        if (*s != '-')
            *p++ = static_cast<char>(*s);
    }
    *p = 0;
    RpcStringFreeA(&text);
    kavo::upcase_nordic(out); // hexadecimal digits only: a-f become A-F
    return 0;
}
