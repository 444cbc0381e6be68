// Any text through every record reader twice: on the one-pass index of the
// text and with one find per key.  Both must give byte-identical records
// and results; a key taken from the input is also asked of both finders
// directly, as text and as numbers.
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_input.h"
#include "varbuf/designdata.h"

namespace {

template <typename Record, typename Read>
void same_reading(const char *text, Read read, uint8_t fill)
{
    auto indexed = std::make_unique<Record>();
    auto linear = std::make_unique<Record>();
    std::memset(indexed.get(), fill, sizeof(Record));
    std::memset(linear.get(), fill, sizeof(Record));
    const int a = read(*indexed, kavo::IndexedFinder(text));
    const int b = read(*linear, kavo::LinearFinder(text));
    if (a != b || std::memcmp(indexed.get(), linear.get(), sizeof(Record)) != 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo_fuzz::Input input(data, size);
    const std::string text = input.text();
    const std::string key = input.text();
    const uint8_t fill = static_cast<uint8_t>(input.small_int(256));
    const char *t = text.c_str();

    same_reading<designdata>(
        t,
        [](designdata &d, const kavo::ItemFinder &f) {
            std::strcpy(d.design_id, "D1");
            return kavo::read_designdata(d, f);
        },
        fill);
    same_reading<room>(t, kavo::read_room, fill);
    same_reading<installation>(t, kavo::read_installation, fill);
    same_reading<surfaces>(t, kavo::read_surfaces, fill);
    same_reading<oe_data>(t, kavo::read_oe_data, fill);
    same_reading<h_data>(t, kavo::read_h_data, fill);
    same_reading<s_data>(t, kavo::read_s_data, fill);
    same_reading<u_data>(t, kavo::read_u_data, fill);
    same_reading<beam_module>(t, kavo::read_beam_module, fill);
    same_reading<panel_module>(t, kavo::read_panel_module, fill);
    same_reading<m_data>(t, kavo::read_m_data, fill);
    same_reading<d_data>(t, kavo::read_d_data, fill);
    same_reading<drawingdata>(
        t,
        [](drawingdata &d, const kavo::ItemFinder &f) {
            kavo::read_drawingdata(d, "T", f);
            return 0;
        },
        fill);

    // Any key: the same answer from both finders, for every out size class.
    const kavo::IndexedFinder indexed(t);
    const kavo::LinearFinder linear(t);
    for (int out_size : {300, 8, 1, 0}) {
        char a[300], b[300];
        std::memset(a, 1, sizeof a);
        std::memset(b, 1, sizeof b);
        if (indexed.find_sz(key.c_str(), a, out_size) != linear.find_sz(key.c_str(), b, out_size) ||
            std::memcmp(a, b, sizeof a) != 0)
            __builtin_trap();
    }
    float fa = 1, fb = 2;
    int16_t sa = 1, sb = 2;
    if (indexed.find_flo(key.c_str(), &fa) != linear.find_flo(key.c_str(), &fb) ||
        std::memcmp(&fa, &fb, sizeof fa) != 0 || indexed.find_sho(key.c_str(), &sa) != linear.find_sho(key.c_str(), &sb) ||
        sa != sb)
        __builtin_trap();
    return 0;
}
