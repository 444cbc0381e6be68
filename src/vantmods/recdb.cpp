#include "vantmods/recdb.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace vantmods {

namespace {

constexpr std::string_view kDataMagic = "VMRECS01";
constexpr std::string_view kIndexMagic = "VMINDX01";
constexpr std::size_t kIndexHeader = 16; // magic, count, data size
constexpr std::size_t kIndexEntry = 16;  // type, key, offset, length

bool record_less(const Record &a, const Record &b)
{
    return std::tie(a.type, a.key) < std::tie(b.type, b.key);
}

bool valid_type(std::string_view type)
{
    return !type.empty() && type.size() <= kMaxTypeLength && type.find('\0') == std::string_view::npos;
}

void put_u16(std::string &out, uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put_u32(std::string &out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// A cursor over bytes that refuses to step past their end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool u16(uint16_t &v)
    {
        if (left() < 2)
            return false;
        v = static_cast<uint16_t>(byte(0) | byte(1) << 8);
        pos_ += 2;
        return true;
    }
    bool u32(uint32_t &v)
    {
        if (left() < 4)
            return false;
        v = byte(0) | byte(1) << 8 | byte(2) << 16 | static_cast<uint32_t>(byte(3)) << 24;
        pos_ += 4;
        return true;
    }
    bool take(std::size_t n, std::string_view &out)
    {
        if (left() < n)
            return false;
        out = bytes_.substr(pos_, n);
        pos_ += n;
        return true;
    }
    std::size_t left() const { return bytes_.size() - pos_; }

private:
    uint32_t byte(std::size_t i) const { return static_cast<uint8_t>(bytes_[pos_ + i]); }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

bool encode_record(const Record &record, std::string &data)
{
    if (record.attributes.size() > std::numeric_limits<uint16_t>::max())
        return false;
    put_u16(data, static_cast<uint16_t>(record.attributes.size()));
    std::vector<uint16_t> ids;
    for (const Attribute &a : record.attributes) {
        if (a.text.size() > std::numeric_limits<uint32_t>::max())
            return false;
        ids.push_back(a.id);
        put_u16(data, a.id);
        put_u32(data, static_cast<uint32_t>(a.text.size()));
        data += a.text;
    }
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

// One record's bytes, which must be used up exactly.
std::optional<Record> decode_record(std::string_view bytes)
{
    Reader in(bytes);
    uint16_t count = 0;
    if (!in.u16(count))
        return std::nullopt;
    Record record;
    for (uint16_t i = 0; i < count; ++i) {
        Attribute a;
        uint32_t length = 0;
        std::string_view text;
        if (!in.u16(a.id) || !in.u32(length) || !in.take(length, text) || record.find(a.id))
            return std::nullopt;
        a.text.assign(text);
        record.attributes.push_back(std::move(a));
    }
    if (in.left() != 0)
        return std::nullopt;
    return record;
}

} // namespace

const Attribute *Record::find(uint16_t id) const
{
    for (const Attribute &a : attributes)
        if (a.id == id)
            return &a;
    return nullptr;
}

const Record *Database::find(std::string_view type, uint32_t key) const
{
    Record probe;
    probe.type.assign(type);
    probe.key = key;
    auto it = std::lower_bound(records_.begin(), records_.end(), probe, record_less);
    if (it == records_.end() || it->type != type || it->key != key)
        return nullptr;
    return &*it;
}

std::optional<EncodedDatabase> encode_database(std::vector<Record> records)
{
    std::sort(records.begin(), records.end(), record_less);
    EncodedDatabase out;
    out.data.assign(kDataMagic);
    std::string entries;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        if (!valid_type(r.type) || (i > 0 && !record_less(records[i - 1], r)))
            return std::nullopt;
        const std::size_t offset = out.data.size();
        if (!encode_record(r, out.data) || out.data.size() > std::numeric_limits<uint32_t>::max())
            return std::nullopt;
        std::string type = r.type;
        type.resize(kMaxTypeLength, '\0');
        entries += type;
        put_u32(entries, r.key);
        put_u32(entries, static_cast<uint32_t>(offset));
        put_u32(entries, static_cast<uint32_t>(out.data.size() - offset));
    }
    out.index.assign(kIndexMagic);
    put_u32(out.index, static_cast<uint32_t>(records.size()));
    put_u32(out.index, static_cast<uint32_t>(out.data.size()));
    out.index += entries;
    return out;
}

std::optional<Database> decode_database(std::string_view data, std::string_view index)
{
    if (data.substr(0, kDataMagic.size()) != kDataMagic || index.substr(0, kIndexMagic.size()) != kIndexMagic)
        return std::nullopt;
    Reader in(index.substr(kIndexMagic.size()));
    uint32_t count = 0, data_size = 0;
    if (!in.u32(count) || !in.u32(data_size) || data_size != data.size())
        return std::nullopt;
    // The entries must fill the rest of the index exactly; dividing first
    // keeps a hostile count from overflowing the product.
    if (in.left() % kIndexEntry != 0 || in.left() / kIndexEntry != count)
        return std::nullopt;
    static_assert(kIndexHeader == 16, "index header layout");

    std::vector<Record> records;
    records.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        std::string_view type;
        uint32_t key = 0, offset = 0, length = 0;
        in.take(kMaxTypeLength, type);
        in.u32(key);
        in.u32(offset);
        in.u32(length);
        type = type.substr(0, std::min(type.find('\0'), type.size()));
        // Offsets point past the magic; subtraction cannot overflow.
        if (!valid_type(type) || offset < kDataMagic.size() || offset > data.size() || length > data.size() - offset)
            return std::nullopt;
        std::optional<Record> record = decode_record(data.substr(offset, length));
        if (!record)
            return std::nullopt;
        record->type.assign(type);
        record->key = key;
        if (!records.empty() && !record_less(records.back(), *record))
            return std::nullopt; // unsorted or repeated: lookups would miss
        records.push_back(std::move(*record));
    }
    return Database(std::move(records));
}

} // namespace vantmods
