// Movable global memory blocks, locked for their whole life, so that a block
// can go to the clipboard or to a host that frees it with the same global
// memory calls; growable arrays in such blocks; and the out-of-memory
// report that they share.
#pragma once

#include <windows.h>

#include <cstdint>

#include "kavoapi_records.h"

namespace kavo {

inline constexpr int32_t kOutOfMemory = -2;

// Hands code and text to the module's error hook when one is set; returns
// code either way.
int32_t report(int32_t code, const char *text);

void *gwGmalloc(int32_t size, int32_t tag);
// Zero-filled; *handle receives the block's handle for the clipboard.
void *gwGmallocH(int32_t size, HGLOBAL *handle);
// A null block is allocated afresh; otherwise resized (it may move).
void *gwGrealloc(void *block, int32_t size, int32_t tag);
// Always returns null, so callers can clear their pointer with the result.
void *gwGfree(void *block);

// The arrays are the host's own gwarray records.
// Appends elemSize bytes of element.  When the block cannot grow, the old
// block is freed, the array is emptied and the result is -2.
int32_t gwarray_append(gwarray *array, const void *element);
// Appends a copy of text in a block of its own; -1 for a null text.
int32_t gwszarray_append(gwarray *array, const char *text);

// A copy of text from malloc with room for length * 2 + 20 bytes; the
// caller frees it.  Null on failure, with no report.
wchar_t *wsz_dup(const wchar_t *text);

} // namespace kavo
