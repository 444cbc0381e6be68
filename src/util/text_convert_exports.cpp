// Text conversion exports.
#include "util/text_convert.h"
#include <cstdint>
#include <string>
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"

extern "C" void WINAPI qa_sz2wsz_acp(const char *in, wchar_t *out, int32_t out_bytes) noexcept
{
    kavo::guarded_void([&] { kavo::to_wide(CP_ACP, in, out, out_bytes / 2); });
}

extern "C" int32_t WINAPI qa_sz2wsz_byqlg(const char *in, wchar_t *out, int32_t out_bytes) noexcept
{
    return kavo::guarded(0, [&] { return kavo::to_wide(kavo::module_state().languageCodepage, in, out, out_bytes / 2); });
}

extern "C" void WINAPI qa_wsz2sz_acp(const wchar_t *in, char *out, int32_t out_bytes) noexcept
{
    kavo::guarded_void([&] { kavo::to_narrow(CP_ACP, in, out, out_bytes); });
}
