#include "util/gwmem.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "util/module_state.h"

namespace kavo {
namespace {

int32_t report_with_tag(const char *format, int32_t tag)
{
    char text[80];
    std::snprintf(text, sizeof text, format, static_cast<int>(tag));
    return report(kOutOfMemory, text);
}

} // namespace

int32_t report(int32_t code, const char *text)
{
    if (ErrorHook hook = module_state().errorHook)
        hook(code, text);
    return code;
}

void *gwGmalloc(int32_t size, int32_t tag)
{
    HGLOBAL handle = size >= 0 ? GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size)) : nullptr;
    if (!handle) {
        report_with_tag("gwGmalloc() out of memory (%d)", tag);
        return nullptr;
    }
    return GlobalLock(handle);
}

void *gwGmallocH(int32_t size, HGLOBAL *handle_out)
{
    HGLOBAL handle = size >= 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(size)) : nullptr;
    if (handle_out)
        *handle_out = handle;
    if (!handle) {
        report(kOutOfMemory, "Out of memory gwGmallocH() (1)");
        return nullptr;
    }
    void *block = GlobalLock(handle);
    if (!block) {
        GlobalFree(handle);
        report(kOutOfMemory, "Out of memory gwGmallocH() (2)");
    }
    return block;
}

void *gwGrealloc(void *block, int32_t size, int32_t tag)
{
    if (!block)
        return gwGmalloc(size, tag);
    HGLOBAL handle = GlobalHandle(block);
    if (!handle)
        return nullptr;
    GlobalUnlock(handle);
    HGLOBAL resized = size >= 0 ? GlobalReAlloc(handle, static_cast<SIZE_T>(size), GMEM_MOVEABLE) : nullptr;
    if (!resized) {
        report_with_tag("gwGrealloc() out of memory (%d)", tag);
        return nullptr;
    }
    return GlobalLock(resized);
}

void *gwGfree(void *block)
{
    if (block) {
        if (HGLOBAL handle = GlobalHandle(block)) {
            GlobalUnlock(handle);
            GlobalFree(handle);
        }
    }
    return nullptr;
}

int32_t gwarray_append(gwarray *array, const void *element)
{
    if (!array || !element || array->elemSize <= 0 || array->count < 0)
        return -1;
    const int64_t bytes = (static_cast<int64_t>(array->count) + 1) * array->elemSize;
    void *grown = bytes <= INT32_MAX ? gwGrealloc(array->data, static_cast<int32_t>(bytes), 0) : nullptr;
    if (!grown) {
        // The old block would otherwise be lost unlocked: free it before the
        // array forgets it.
        gwGfree(array->data);
        array->data = nullptr;
        array->count = 0;
        return report(kOutOfMemory, "gwarray_append() out of memory");
    }
    array->data = grown;
    std::memcpy(static_cast<char *>(grown) + static_cast<int64_t>(array->count) * array->elemSize, element,
                static_cast<std::size_t>(array->elemSize));
    ++array->count;
    return 0;
}

int32_t gwszarray_append(gwarray *array, const char *text)
{
    if (!text || !array || array->elemSize != static_cast<int32_t>(sizeof(char *)))
        return -1;
    const std::size_t length = std::strlen(text);
    char *copy = length < INT32_MAX ? static_cast<char *>(gwGmalloc(static_cast<int32_t>(length + 1), 0)) : nullptr;
    if (!copy)
        return report(kOutOfMemory, "gwszarray_append() out of memory");
    std::memcpy(copy, text, length + 1);
    return gwarray_append(array, &copy);
}

wchar_t *wsz_dup(const wchar_t *text)
{
    if (!text)
        return nullptr;
    const std::size_t length = std::wcslen(text);
    wchar_t *copy = static_cast<wchar_t *>(std::malloc(length * 2 + 20));
    if (copy)
        std::memcpy(copy, text, (length + 1) * sizeof(wchar_t));
    return copy;
}

} // namespace kavo
