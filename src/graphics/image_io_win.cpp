#include "graphics/image_io_win.h"

#include <climits>
#include <cstring>

#include "util/gwmem.h"

namespace kavo {

FileSource::FileSource(const char *file_name)
    : file_(file_name ? CreateFileA(file_name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)
                      : INVALID_HANDLE_VALUE)
{
}

FileSource::~FileSource()
{
    if (is_open())
        CloseHandle(file_);
}

uint64_t FileSource::remaining() const
{
    LARGE_INTEGER size, here, zero{};
    if (!is_open() || !GetFileSizeEx(file_, &size) || !SetFilePointerEx(file_, zero, &here, FILE_CURRENT))
        return 0;
    return size.QuadPart > here.QuadPart ? static_cast<uint64_t>(size.QuadPart - here.QuadPart) : 0;
}

std::size_t FileSource::read(void *dst, std::size_t count)
{
    DWORD got = 0;
    const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    if (!is_open() || !ReadFile(file_, dst, ask, &got, nullptr))
        return 0;
    return got;
}

void *GlobalBlocks::allocate(std::size_t size)
{
    return size > INT32_MAX ? nullptr : gwGmalloc(static_cast<int32_t>(size), 0);
}

void GlobalBlocks::release(void *block) { gwGfree(block); }

std::size_t global_block_size(const void *block)
{
    if (!block)
        return 0;
    HGLOBAL handle = GlobalHandle(block);
    return handle ? GlobalSize(handle) : 0;
}

bool names_gif_file(const char *file_name)
{
    char upper[720];
    std::size_t n = 0;
    for (; file_name && file_name[n] && n < sizeof upper - 1; ++n) {
        const char c = file_name[n];
        upper[n] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    upper[n] = 0;
    return std::strstr(upper, ".GIF") != nullptr;
}

} // namespace kavo
