// Reads the first image of a GIF file into a packed 8-bit device-independent
// bitmap (bottom-up rows, the global colour table as palette).  Only the
// plain layout is read: the image right after the global colour table, no
// extension block before it and no local colour table; an interlaced image
// is taken line by line as it comes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "graphics/byte_source.h"

namespace kavo {

enum class GifStatus {
    ok,
    bad_signature,  // not "GIF"
    bad_separator,  // something other than an image after the colour table
    local_table,    // local colour tables are not read
    bad_size,       // width or height 0, or 32768 and more
    read_error,     // the file ends inside the header or the image data
    bad_code_size,  // minimum code size outside 2..9
    no_code_size,   // the file ends where the minimum code size should be
    corrupt_codes,  // a string longer than the decoder's stack
    too_many_lines, // more lines than the image height
    no_memory,
};

// The file is read through one buffer of this many bytes.
inline constexpr std::size_t kGifReadBuffer = 8192;

struct GifImage {
    uint8_t *dib = nullptr; // from the allocator; the caller releases it
    std::size_t size = 0;   // bytes of the block
};

// What a failed read shows, in order: up to two messages (second may be
// null), none for ok and for no_memory, which the memory layer reports.
struct GifMessages {
    const char *first = nullptr;
    const char *second = nullptr;
};
GifMessages gif_messages(GifStatus status);

// Decodes from source; on any status but ok nothing stays allocated.
GifStatus gif_read_dib(ByteSource &source, BlockAllocator &allocator, GifImage *image);

} // namespace kavo
