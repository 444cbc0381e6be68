#include "graphics/gif_decoder.h"

#include <cstring>

#include "util/byte_reader.h"

namespace kavo {
namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableEntries = 5000; // codes are below 4096; room to spare
constexpr int kStackDepth = 5000;
constexpr std::size_t kDibHeaderSize = 40;
constexpr std::size_t kSpareBytes = 16;
constexpr int kFileEnd = -1;
constexpr int kDataEnd = -2; // a zero-length sub-block: the data stops here

void put16(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t *p, uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

bool read_exact(ByteSource &source, void *dst, std::size_t count)
{
    auto *out = static_cast<uint8_t *>(dst);
    while (count) {
        const std::size_t n = source.read(out, count);
        if (n == 0)
            return false;
        out += n;
        count -= n;
    }
    return true;
}

// Releases a block on every path that does not keep it.
class OwnedBlock {
public:
    OwnedBlock(BlockAllocator &allocator, std::size_t size)
        : allocator_(allocator), block_(static_cast<uint8_t *>(allocator.allocate(size)))
    {
    }
    ~OwnedBlock()
    {
        if (block_)
            allocator_.release(block_);
    }
    OwnedBlock(const OwnedBlock &) = delete;
    OwnedBlock &operator=(const OwnedBlock &) = delete;

    uint8_t *get() const { return block_; }
    uint8_t *keep()
    {
        uint8_t *block = block_;
        block_ = nullptr;
        return block;
    }

private:
    BlockAllocator &allocator_;
    uint8_t *block_;
};

// The image data: codes of a variable width, least significant bit first,
// packed into sub-blocks that come through one read buffer.
class CodeReader {
public:
    CodeReader(ByteSource &source, uint8_t *buffer) : source_(source), buffer_(buffer) {}

    // The next byte of the file, or kFileEnd.
    int file_byte()
    {
        if (pos_ == count_) {
            count_ = source_.read(buffer_, kGifReadBuffer);
            pos_ = 0;
            if (count_ == 0)
                return kFileEnd;
        }
        return buffer_[pos_++];
    }

    // The next code of `bits` bits, or kFileEnd / kDataEnd.
    int code(int bits)
    {
        while (held_ < bits) {
            if (block_left_ == 0) {
                const int length = file_byte();
                if (length < 0)
                    return kFileEnd;
                if (length == 0)
                    return kDataEnd;
                block_left_ = length;
            }
            const int b = file_byte();
            if (b < 0)
                return kFileEnd;
            --block_left_;
            bits_ |= static_cast<uint32_t>(b) << held_;
            held_ += 8;
        }
        const int c = static_cast<int>(bits_ & ((1u << bits) - 1));
        bits_ >>= bits;
        held_ -= bits;
        return c;
    }

private:
    ByteSource &source_;
    uint8_t *buffer_;
    std::size_t pos_ = 0, count_ = 0;
    uint32_t bits_ = 0; // bits not yet taken, the next one lowest
    int held_ = 0;
    int block_left_ = 0; // bytes left in the current sub-block
};

// Lines go straight into the bitmap rows, the image's top line into the
// last row in memory.  Once every row is filled, further pixels land in a
// scratch line so that a surplus is noticed when its line is complete.
class RowWriter {
public:
    RowWriter(uint8_t *last_row, std::size_t row_size, int width, int height, uint8_t *scratch)
        : row_(last_row), out_(last_row), row_size_(row_size), width_(width), left_(width), rows_left_(height),
          scratch_(scratch)
    {
    }

    bool put(uint8_t pixel)
    {
        *out_++ = pixel;
        return --left_ != 0 || next_line();
    }

    // A last line shorter than the width stays at the start of its row;
    // the rest of the row was cleared beforehand.
    bool finish() const { return left_ == width_ || rows_left_ > 0; }

private:
    bool next_line()
    {
        if (rows_left_ == 0)
            return false;
        --rows_left_;
        left_ = width_;
        if (rows_left_ > 0) {
            row_ -= row_size_;
            out_ = row_;
        } else {
            out_ = scratch_;
        }
        return true;
    }

    uint8_t *row_, *out_;
    std::size_t row_size_;
    int width_, left_, rows_left_;
    uint8_t *scratch_;
};

struct CodeTables {
    uint8_t stack[kStackDepth];
    uint16_t prefix[kTableEntries];
    uint8_t suffix[kTableEntries];
};

GifStatus decode(CodeReader &reader, CodeTables &t, RowWriter &rows)
{
    const int m = reader.file_byte();
    if (m == kFileEnd)
        return GifStatus::no_code_size;
    if (m < 2 || m > 9)
        return GifStatus::bad_code_size;

    const int clear_code = 1 << m;
    const int end_code = clear_code + 1;
    const int first_free = clear_code + 2;
    int curr_size = m + 1;
    int top_slot = 1 << curr_size;
    int next_slot = first_free;
    int old_code = 0, first_char = 0;
    uint8_t *const stack_end = t.stack + kStackDepth - 1; // room for the root

    for (;;) {
        int c = reader.code(curr_size);
        if (c == kDataEnd || c == end_code)
            break;
        if (c < 0)
            return GifStatus::read_error;

        if (c == clear_code) {
            curr_size = m + 1;
            next_slot = first_free;
            top_slot = 1 << curr_size;
            do
                c = reader.code(curr_size);
            while (c == clear_code);
            if (c == kDataEnd || c == end_code)
                break;
            if (c < 0)
                return GifStatus::read_error;
            if (c >= next_slot)
                c = 0;
            old_code = first_char = c;
            if (!rows.put(static_cast<uint8_t>(c)))
                return GifStatus::too_many_lines;
            continue;
        }

        // A code not yet in the table is taken as the next free one: the
        // previous string followed by its own first character.
        uint8_t *sp = t.stack;
        int code = c;
        if (code >= next_slot) {
            code = old_code;
            *sp++ = static_cast<uint8_t>(first_char);
        }
        while (code >= first_free) {
            if (sp == stack_end)
                return GifStatus::corrupt_codes;
            *sp++ = t.suffix[code];
            code = t.prefix[code];
        }
        *sp++ = static_cast<uint8_t>(code);

        if (next_slot < top_slot) {
            first_char = code;
            t.suffix[next_slot] = static_cast<uint8_t>(code);
            t.prefix[next_slot] = static_cast<uint16_t>(old_code);
            ++next_slot;
            old_code = c;
        }
        if (next_slot >= top_slot && curr_size < kMaxCodeBits) {
            top_slot <<= 1;
            ++curr_size;
        }

        while (sp != t.stack) {
            if (!rows.put(*--sp))
                return GifStatus::too_many_lines;
        }
    }
    return rows.finish() ? GifStatus::ok : GifStatus::too_many_lines;
}

} // namespace

GifStatus gif_read_dib(ByteSource &source, BlockAllocator &allocator, GifImage *image)
{
    *image = GifImage{};

    uint8_t signature[6] = {};
    const bool have_signature = read_exact(source, signature, sizeof signature);
    if (std::memcmp(signature, "GIF", 3) != 0)
        return GifStatus::bad_signature;
    uint8_t screen[7];
    if (!have_signature || !read_exact(source, screen, sizeof screen))
        return GifStatus::read_error;

    // The global table is read whether or not the flags announce it.
    const unsigned colours = 2u << (screen[4] & 7);
    uint8_t palette[3 * 256];
    uint8_t descriptor[10];
    if (!read_exact(source, palette, 3 * colours) || !read_exact(source, descriptor, sizeof descriptor))
        return GifStatus::read_error;
    if (descriptor[0] != ',')
        return GifStatus::bad_separator;
    if (descriptor[9] & 0x80)
        return GifStatus::local_table;
    ByteView fields(descriptor, sizeof descriptor);
    const unsigned width = fields.u16(5);
    const unsigned height = fields.u16(7);
    if (width == 0 || height == 0 || width >= 32768 || height >= 32768)
        return GifStatus::bad_size;

    const uint64_t row_size = (width + 3u) & ~3u;
    const uint64_t pixel_bytes = row_size * height;
    const uint64_t bits_offset = kDibHeaderSize + 4u * colours;
    const uint64_t dib_size = bits_offset + pixel_bytes + kSpareBytes;
    OwnedBlock dib(allocator, static_cast<std::size_t>(dib_size));
    if (!dib.get())
        return GifStatus::no_memory;
    uint8_t *d = dib.get();
    std::memset(d, 0, static_cast<std::size_t>(dib_size));
    put32(d, kDibHeaderSize);
    put32(d + 4, width);
    put32(d + 8, height);
    put16(d + 12, 1);
    put16(d + 14, 8);
    put32(d + 20, static_cast<uint32_t>(pixel_bytes));
    put32(d + 24, 1000);
    put32(d + 28, 1000);
    put32(d + 32, colours);
    for (unsigned i = 0; i < colours; ++i) {
        uint8_t *entry = d + kDibHeaderSize + 4 * i;
        entry[0] = palette[3 * i + 2];
        entry[1] = palette[3 * i + 1];
        entry[2] = palette[3 * i];
    }

    // One work block: the read buffer, the code tables and a scratch line.
    const std::size_t work_size = kGifReadBuffer + sizeof(CodeTables) + width + 10;
    OwnedBlock work(allocator, work_size);
    if (!work.get())
        return GifStatus::no_memory;
    std::memset(work.get() + kGifReadBuffer, 0, sizeof(CodeTables));
    auto *tables = reinterpret_cast<CodeTables *>(work.get() + kGifReadBuffer);
    uint8_t *scratch = work.get() + kGifReadBuffer + sizeof(CodeTables);

    CodeReader reader(source, work.get());
    RowWriter rows(d + bits_offset + (height - 1) * row_size, static_cast<std::size_t>(row_size),
                   static_cast<int>(width), static_cast<int>(height), scratch);
    const GifStatus status = decode(reader, *tables, rows);
    if (status != GifStatus::ok)
        return status;
    image->size = static_cast<std::size_t>(dib_size);
    image->dib = dib.keep();
    return GifStatus::ok;
}

GifMessages gif_messages(GifStatus status)
{
    constexpr const char *kReadError = "Error reading Gif!";
    constexpr const char *kBadCodeSize = "Error - Bad codesize in gif!";
    switch (status) {
    case GifStatus::bad_signature:
    case GifStatus::bad_size: // sizes the format's signed fields cannot hold
        return {"Uknown GIF-file-format!"};
    case GifStatus::bad_separator:
        return {"Error in GIF-image separator"};
    case GifStatus::local_table:
        return {"Local color-table not supported!"};
    case GifStatus::read_error:
    case GifStatus::corrupt_codes:
        return {kReadError};
    case GifStatus::bad_code_size:
        return {kBadCodeSize};
    case GifStatus::no_code_size:
        // The byte reader reports the failed read, then the decoder the
        // code size it could not get.
        return {kReadError, kBadCodeSize};
    case GifStatus::too_many_lines:
        return {"Liikaa bittej\xE4!"};
    case GifStatus::ok:
    case GifStatus::no_memory:
        break;
    }
    return {};
}

} // namespace kavo
