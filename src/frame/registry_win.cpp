// The module's per-user settings in the registry: REG_SZ values below
// HKEY_CURRENT_USER\SOFTWARE\Norvane\<branch>\userProfile.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "frame/default_room.h"
#include "util/module_state.h"
#include "frame/registry_win.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"

namespace kavo {
namespace registry_win {

qareg_key user_profile_key(const char *value_name)
{
    qareg_key key;
    qareg_init(kCompany, module_state().branchName, kUserProfileGroup, value_name, &key);
    return key;
}

int32_t get_user_profile_value(const char *value_name, char *out, int32_t size)
{
    const qareg_key key = user_profile_key(value_name);
    return qareg_get_data(HKEY_CURRENT_USER, &key, size, out) == 0 ? 0 : -1;
}

int32_t set_user_profile_value(const char *value_name, const char *value)
{
    const qareg_key key = user_profile_key(value_name);
    return qareg_set_data(HKEY_CURRENT_USER, &key, value) == 0 ? 0 : -1;
}

} // namespace registry_win
} // namespace kavo
