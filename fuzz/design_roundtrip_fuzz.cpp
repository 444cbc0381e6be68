// A design record from the fuzz bytes (a full planted design with byte
// patches), written, read and written again.  The first cycle normalises
// what the asymmetries documented in include/kavoapi.h (its design data
// records and codecs section) change: values left out or derived, the
// product moved to entry 0, states that the text decides.  From then on a
// design is a fixed point: reading its text and writing again gives the
// same text.  Fields the codecs do not own must not change on a read.
// An input without patches is the planted design itself: there every field
// must land back in its own place, into a record the reader clears, and the
// text written again must be the same.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "design_fixture.h"
#include "varbuf/designdata.h"

namespace {

constexpr int kTextSize = 65536;

std::string write(const designdata &d)
{
    std::vector<char> text(kTextSize, 0);
    kavo::write_designdata(d, text.data(), kTextSize);
    return text.data();
}

// Input: product byte, then patches of (offset high, offset low, length,
// bytes...) applied to the planted design.
void build(designdata &d, const uint8_t *data, size_t size)
{
    const auto product = static_cast<kavo_test::Product>(size > 0 ? data[0] % 4 : 0);
    kavo_test::plant_design(d, product);
    auto *bytes = reinterpret_cast<uint8_t *>(&d);
    for (size_t i = 1; i + 3 <= size;) {
        const size_t offset = (static_cast<size_t>(data[i]) << 8 | data[i + 1]) % sizeof d;
        size_t length = data[i + 2] % 16;
        i += 3;
        length = std::min({length, size - i, sizeof d - offset});
        std::memcpy(bytes + offset, data + i, length);
        i += length;
    }
}

// The planted design of `product` through a text and back.
void check_planted_travel(kavo_test::Product product)
{
    auto planted = std::make_unique<designdata>();
    kavo_test::plant_design(*planted, product);
    const std::string text = write(*planted);
    auto read = std::make_unique<designdata>();
    std::memset(read.get(), 0x5A, sizeof *read); // the reader must clear what it fills
    std::strcpy(read->design_id, kavo_test::kDesignId);
    std::memset(&read->oe_data, 0, sizeof read->oe_data); // ... except the O/E values
    if (kavo::read_designdata(*read, kavo::IndexedFinder(text.c_str())) != 1)
        __builtin_trap();
    const auto *planted_bytes = reinterpret_cast<const uint8_t *>(planted.get());
    const auto *read_bytes = reinterpret_cast<const uint8_t *>(read.get());
    for (const kavo_test::PlantedRecord &record : kavo_test::planted_records(product))
        if (!kavo_test::landing_faults(planted_bytes + record.offset, read_bytes + record.offset, record.fields)
                 .empty())
            __builtin_trap();
    if (std::memcmp(read->s_data.sid, planted->s_data.sid, sizeof read->s_data.sid) != 0 ||
        read->installation.inr != 19 || read->installation.inc != 18 || read->u_data.uss != 126 ||
        read->u_data.usw != 127)
        __builtin_trap();
    // The reader put the product into entry 0 and leaves module_index to the host.
    read->module_index = 0;
    if (write(*read) != text)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size <= 1)
        check_planted_travel(static_cast<kavo_test::Product>(size > 0 ? data[0] % 4 : 0));
    auto first = std::make_unique<designdata>();
    build(*first, data, size);
    const std::string text1 = write(*first);

    auto second = std::make_unique<designdata>(*first);
    if (kavo::read_designdata(*second, kavo::IndexedFinder(text1.c_str())) != 1)
        return 0;
    // Host fields stay as they were.
    if (std::memcmp(second->host4, first->host4, sizeof first->host4) != 0 ||
        std::memcmp(second->host5, first->host5, sizeof first->host5) != 0 ||
        std::memcmp(second->propar, first->propar, sizeof first->propar) != 0)
        __builtin_trap();
    second->module_index = 0;
    const std::string text2 = write(*second);

    // A read tags a case only when its second group is complete, while the
    // writer puts a case's first group only where the case is tagged: a
    // product read with a first group but the other case's tag writes a
    // module without one, and so nothing that reads as a design (or, with
    // no case tagged, no text at all).  Those designs end here.
    auto third = std::make_unique<designdata>(*second);
    if (kavo::read_designdata(*third, kavo::IndexedFinder(text2.c_str())) != 1)
        return 0;
    third->module_index = 0;
    if (write(*third) != text2)
        __builtin_trap();
    return 0;
}
