// The record database of Vantmods_x32.dll, portable part: records found by
// type and 32-bit key, each a set of texts under 16-bit attribute ids.
//
// A database is two files.  The data file holds the records one after the
// other; the index file lists every record's type, key, offset and length,
// sorted by type and key.  Texts are UTF-8.  All numbers are little-endian.
//
//   data file:   "VMRECS01"
//                record*: u16 attribute count,
//                         (u16 id, u32 byte length, bytes)*
//   index file:  "VMINDX01", u32 record count, u32 data file size,
//                entry*: char type[4] (NUL-padded), u32 key,
//                        u32 offset, u32 length   (16 bytes each)
//
// The reader trusts nothing: every count, offset and length is checked
// against the bytes actually present, and a database whose index and data
// disagree in any way is rejected as a whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantmods {

inline constexpr std::size_t kMaxTypeLength = 4;

struct Attribute {
    uint16_t id = 0;
    std::string text; // UTF-8
};

struct Record {
    std::string type; // 1 to 4 characters, no NUL
    uint32_t key = 0;
    std::vector<Attribute> attributes;

    // The attribute with `id`, or null.
    const Attribute *find(uint16_t id) const;
};

class Database {
public:
    Database() = default;
    explicit Database(std::vector<Record> sorted) : records_(std::move(sorted)) {}

    // The record of `type` with `key`, or null.
    const Record *find(std::string_view type, uint32_t key) const;
    const std::vector<Record> &records() const { return records_; }

private:
    std::vector<Record> records_; // sorted by (type, key), unique
};

struct EncodedDatabase {
    std::string data;
    std::string index;
};

// Both files' bytes for `records`; the records are sorted first.  Returns
// nothing when two records share type and key, a type is empty or too long,
// an attribute id repeats within a record, or a size exceeds 32 bits.
std::optional<EncodedDatabase> encode_database(std::vector<Record> records);

// Reads both files' bytes; nothing when either is malformed.
std::optional<Database> decode_database(std::string_view data, std::string_view index);

} // namespace vantmods
