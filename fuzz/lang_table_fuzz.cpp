// The language table parser on any text; what it accepts must encode and
// read back record for record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vantmods/lang_table.h"
#include "vantmods/recdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const auto table = vantmods::parse_language_table(std::string_view(reinterpret_cast<const char *>(data), size));
    if (table.error_line != 0)
        return 0;
    auto files = vantmods::encode_database(table.records);
    if (!files)
        __builtin_trap(); // a good table always makes a database
    auto db = vantmods::decode_database(files->data, files->index);
    if (!db || db->records().size() != table.records.size())
        __builtin_trap();
    for (const vantmods::Record &r : table.records) {
        const vantmods::Record *back = db->find(r.type, r.key);
        if (!back || back->attributes.size() != r.attributes.size())
            __builtin_trap();
    }
    return 0;
}
