// The platform side of the metafile exports.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {
namespace wmf_win {

// The messages of this family are information boxes without an owner,
// which give 1.
int32_t fail_with(const char *text);
HMETAFILE read_placeable(const char *file_name, float *aspect);

} // namespace wmf_win
} // namespace kavo
