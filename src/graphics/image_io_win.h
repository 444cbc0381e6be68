// The Win32 side of the image readers: files as byte sources, movable
// global blocks as their results, and the real size of a block that a host
// hands back.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "graphics/byte_source.h"

namespace kavo {

// A file opened for reading; invalid when the file cannot be opened.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const char *file_name);
    ~FileSource();
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    bool is_open() const { return file_ != INVALID_HANDLE_VALUE; }
    // Bytes from the current position to the end.
    uint64_t remaining() const;
    std::size_t read(void *dst, std::size_t count) override;

private:
    HANDLE file_;
};

// Locked movable blocks (gwGmalloc); sizes beyond 32 bits are refused.
class GlobalBlocks final : public BlockAllocator {
public:
    void *allocate(std::size_t size) override;
    void release(void *block) override;
};

// The bytes of the global block that starts at block, or 0 when it is not
// one (the module only trusts what it can measure).
std::size_t global_block_size(const void *block);

// Upper-cases a copy of the name (a-z only) and looks for ".GIF".
bool names_gif_file(const char *file_name);

} // namespace kavo
