// Registry exports: the settings keys, the user profile's values and the
// default room.
#include <windows.h>
#include <cstdio>
#include <cstring>
#include "frame/default_room.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"
#include "frame/registry_win.h"

namespace kavo {
using namespace registry_win;
}

extern "C" void WINAPI qareg_init(const char *company, const char *branch, const char *group, const char *value_name,
                                  qareg_key *out) noexcept
{
    if (!out)
        return;
    std::memset(out, 0, sizeof *out);
    std::snprintf(out->path, sizeof out->path, "SOFTWARE\\%s\\%s\\%s", company ? company : "", branch ? branch : "",
                  group ? group : "");
    kavo::copy_cut(out->valueName, sizeof out->valueName, value_name);
}

extern "C" int32_t WINAPI qareg_get_data(HKEY root, const qareg_key *key, int32_t size, char *out) noexcept
{
    // The size counts as a 16-bit number: larger sizes wrap as they always did.
    const int16_t capacity = static_cast<int16_t>(size);
    if (out && capacity > 0)
        out[0] = 0;
    if (!key)
        return -1;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key->path, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return -1;
    if (!out || capacity <= 0) {
        RegCloseKey(opened);
        return -2;
    }
    DWORD bytes = static_cast<DWORD>(capacity);
    const LONG status =
        RegQueryValueExA(opened, key->valueName, nullptr, nullptr, reinterpret_cast<BYTE *>(out), &bytes);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) {
        out[0] = 0; // a value too long for out leaves undefined bytes there
        return -2;
    }
    // A value stored without its terminator ends at the buffer's end.
    out[bytes < static_cast<DWORD>(capacity) ? bytes : capacity - 1] = 0;
    return 0;
}

extern "C" int32_t WINAPI qareg_set_data(HKEY root, const qareg_key *key, const char *value) noexcept
{
    if (!key)
        return -1;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key->path, 0, KEY_WRITE, &opened) != ERROR_SUCCESS &&
        RegCreateKeyExA(root, key->path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return -1;
    const char *text = value ? value : "";
    const LONG status = RegSetValueExA(opened, key->valueName, 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                                       static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(opened);
    return status == ERROR_SUCCESS ? 0 : -2;
}

extern "C" int32_t WINAPI qareg_get_userprofile_unitsystem(char *out, int32_t size) noexcept
{
    return kavo::guarded(-1, [&] { return kavo::get_user_profile_value("unitSystem", out, size); });
}

extern "C" int32_t WINAPI qareg_get_qbase_path(char *out, int32_t size) noexcept
{
    return kavo::guarded(-1, [&] { return kavo::get_user_profile_value("QBasePath", out, size); });
}

extern "C" int32_t WINAPI qareg_set_qbase_path(const char *path) noexcept
{
    return kavo::guarded(-1, [&] { return kavo::set_user_profile_value("QBasePath", path); });
}

extern "C" int32_t WINAPI qareg_set_default_room(const char *text) noexcept
{
    return kavo::guarded(-1, [&] { return kavo::set_user_profile_value("defaultRoom", text); });
}

namespace kavo {
namespace {

// Loaded at the first request and kept until the module is unloaded:
// later changes by other programs are not seen.
struct DefaultRoomCache {
    room cached{};
    bool loaded = false;
};

DefaultRoomCache &default_room_cache()
{
    static DefaultRoomCache cache;
    return cache;
}

} // namespace
} // namespace kavo

extern "C" int32_t WINAPI qa_get_default_room(room *out) noexcept
{
    return kavo::guarded(-1, [&] {
        kavo::DefaultRoomCache &cache = kavo::default_room_cache();
        if (!cache.loaded) {
            char text[kavo::kDefaultRoomTextBytes];
            const bool read = kavo::get_user_profile_value("defaultRoom", text, sizeof text) == 0;
            kavo::load_default_room(cache.cached, read ? text : nullptr);
            cache.loaded = true;
        }
        if (out)
            *out = cache.cached;
        return 0;
    });
}

extern "C" int32_t WINAPI qa_set_default_room(const room *in) noexcept
{
    return kavo::guarded(-1, [&] {
        if (!in)
            return -1;
        kavo::DefaultRoomCache &cache = kavo::default_room_cache();
        // The cache takes the room even when it cannot be stored.
        cache.cached = *in;
        kavo::clear_room_identity(cache.cached);
        char text[kavo::kDefaultRoomTextBytes] = "";
        if (qa_varbuf_write_room(&cache.cached, text, sizeof text) != 0)
            return -1;
        if (qareg_set_default_room(text) != 0)
            return -1;
        cache.loaded = true;
        return 0;
    });
}
