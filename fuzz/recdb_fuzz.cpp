// The database reader on hostile file pairs: the input is split into the
// data file and the index file; every found record is read whole.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vantmods/recdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t split = (static_cast<std::size_t>(data[0]) << 8 | data[1]) % (size - 1);
    const std::string_view bytes(reinterpret_cast<const char *>(data + 2), size - 2);
    auto db = vantmods::decode_database(bytes.substr(0, split), bytes.substr(split));
    if (!db)
        return 0;
    std::size_t total = 0;
    for (const vantmods::Record &r : db->records()) {
        if (db->find(r.type, r.key) != &r)
            __builtin_trap(); // lookups must find what was read
        for (const vantmods::Attribute &a : r.attributes)
            total += a.text.size();
    }
    if (total > size)
        __builtin_trap();
    return 0;
}
