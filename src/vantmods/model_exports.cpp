// The model reader.  Models are opaque to this library: it keeps each one's
// bytes for the life of the process and names it by a handle from 1 up.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "vantmods/file_bytes.h"
#include "util/guard.h"
#include "vantmods/vantmods.h"

namespace vantmods {
namespace {

enum ModelError : int32_t { kModelOk = 0, kUnreadable = -1, kEmpty = -2, kNoMemory = -5 };

std::vector<std::string> &models()
{
    static std::vector<std::string> kept;
    return kept;
}

int32_t keep_model(std::string bytes, int32_t *result)
{
    const int32_t error = bytes.empty() ? kEmpty : kModelOk;
    if (result)
        *result = error;
    if (error != kModelOk)
        return 0;
    models().push_back(std::move(bytes));
    return static_cast<int32_t>(models().size());
}

} // namespace
} // namespace vantmods

using namespace vantmods;
using kavo::guarded;

extern "C" int32_t WINAPI qm_read(HWND, const char *path, int32_t *result) noexcept
{
    if (result)
        *result = kNoMemory;
    return guarded(int32_t{0}, [&] {
        std::string bytes;
        if (!read_file_bytes(path, bytes)) {
            if (result)
                *result = kUnreadable;
            return int32_t{0};
        }
        return keep_model(std::move(bytes), result);
    });
}

extern "C" int32_t WINAPI qm_read_streambuf(HWND, const void *data, int32_t count, int32_t *result) noexcept
{
    if (result)
        *result = kNoMemory;
    return guarded(int32_t{0}, [&] {
        std::string bytes;
        if (data && count > 0)
            bytes.assign(static_cast<const char *>(data), static_cast<std::size_t>(count));
        return keep_model(std::move(bytes), result);
    });
}

extern "C" const void *WINAPI qm_model_data(int32_t model, int32_t *count) noexcept
{
    if (count)
        *count = 0;
    if (model < 1 || static_cast<std::size_t>(model) > models().size())
        return nullptr;
    const std::string &bytes = models()[static_cast<std::size_t>(model - 1)];
    if (count)
        *count = static_cast<int32_t>(bytes.size());
    return bytes.data();
}

extern "C" void *WINAPI qm_read_to_streambuf(HWND, const char *path, int32_t *count) noexcept
{
    if (count)
        *count = 0;
    return guarded(static_cast<void *>(nullptr), [&]() -> void * {
        std::string bytes;
        if (!read_file_bytes(path, bytes))
            return nullptr;
        // One byte more, so that an empty file still gives a block.
        void *stream = HeapAlloc(GetProcessHeap(), 0, bytes.size() + 1);
        if (!stream)
            return nullptr;
        std::memcpy(stream, bytes.data(), bytes.size());
        if (count)
            *count = static_cast<int32_t>(bytes.size());
        return stream;
    });
}

extern "C" void WINAPI qm_release_streambuf(void *stream) noexcept
{
    if (stream)
        HeapFree(GetProcessHeap(), 0, stream);
}
