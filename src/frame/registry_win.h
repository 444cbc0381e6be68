// The registry keys of the module's settings, for the registry exports.
#pragma once

#include <windows.h>
#include <cstdio>
#include <cstring>
#include "frame/default_room.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"

namespace kavo {
namespace registry_win {

constexpr const char *kCompany = "Norvane";

constexpr const char *kUserProfileGroup = "userProfile";

int32_t get_user_profile_value(const char *value_name, char *out, int32_t size);

int32_t set_user_profile_value(const char *value_name, const char *value);

} // namespace registry_win
} // namespace kavo
