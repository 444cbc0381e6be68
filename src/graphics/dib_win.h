// The platform side of the bitmap exports: header checks on blocks a host
// hands in, stretching onto a device context, palettes.
#pragma once

#include <windows.h>

#include <cstddef>

#include "graphics/dib.h"

namespace kavo {
namespace dib_win {

constexpr std::size_t kFileHeaderSize = 14;

void show_with_name(const char *text, const char *file_name);
bool checked_header(const void *dib, DibHeaderInfo *info);
bool drawable(const void *dib);
int stretch(HDC hdc, const void *dib, const DibHeaderInfo &info, int x, int y, int w, int h, int mode);
HPALETTE palette_of(const void *dib);

} // namespace dib_win
} // namespace kavo
