// The exported design data primitives: thin wrappers of the portable core.
#include "kavoapi.h"
#include "util/guard.h"
#include "varbuf/varbuf.h"

using kavo::guarded;

extern "C" int32_t WINAPI qa_varbuf_write_sz(char *buffer, const char *key, const char *value, int32_t size) noexcept
{
    return guarded(-2, [&] { return kavo::varbuf_write_sz(buffer, key, value, size); });
}

extern "C" int32_t WINAPI qa_varbuf_write_flo(char *buffer, const char *key, float value, int32_t decimals,
                                              int32_t size) noexcept
{
    return guarded(-2, [&] { return kavo::varbuf_write_flo(buffer, key, value, decimals, size); });
}

extern "C" int32_t WINAPI qa_varbuf_write_sho(char *buffer, const char *key, int16_t value, int32_t size) noexcept
{
    return guarded(-2, [&] { return kavo::varbuf_write_sho(buffer, key, value, size); });
}

extern "C" int32_t WINAPI qa_varbuf_write_date(char *buffer, const char *key, const varbuf_date *date,
                                               int32_t size) noexcept
{
    return guarded(-2, [&] { return kavo::varbuf_write_date(buffer, key, date, size); });
}

extern "C" int32_t WINAPI qa_varbuf_find_sz(const char *buffer, const char *key, char *out, int32_t out_size) noexcept
{
    return guarded(-1, [&] { return kavo::varbuf_find_sz(buffer, key, out, out_size); });
}

extern "C" int32_t WINAPI qa_varbuf_find_flo(const char *buffer, const char *key, float *out) noexcept
{
    return guarded(-1, [&] { return kavo::varbuf_find_flo(buffer, key, out); });
}

extern "C" int32_t WINAPI qa_varbuf_find_sho(const char *buffer, const char *key, int16_t *out) noexcept
{
    return guarded(-1, [&] { return kavo::varbuf_find_sho(buffer, key, out); });
}

extern "C" int32_t WINAPI qa_varbuf_find_date(const char *buffer, const char *key, varbuf_date *out) noexcept
{
    return guarded(-1, [&] { return kavo::varbuf_find_date(buffer, key, out); });
}
