// The exported record codecs: thin wrappers of the portable core.  Every
// reader of a text builds one index of its items (IndexedFinder).
#include "kavoapi.h"
#include "util/guard.h"
#include "varbuf/designdata.h"

using kavo::guarded;
using kavo::guarded_void;
using kavo::IndexedFinder;

namespace {

// A flag argument counts as set when its low 16 bits are not 0.
bool flag(int16_t value) { return value != 0; }

// The list texts of a record, ended inside their fields.
template <std::size_t N>
const char *bounded(const char (&field)[N], char (&copy)[N])
{
    kavo::set_field_text(copy, N, field);
    return copy;
}

} // namespace

extern "C" int32_t WINAPI qa_varbuf_read_room(room *r, const char *text) noexcept
{
    return guarded(0, [&] { return r ? kavo::read_room(*r, IndexedFinder(text)) : 0; });
}

extern "C" int32_t WINAPI qa_varbuf_write_room(const room *r, char *text, int32_t size) noexcept
{
    return guarded(-2, [&] { return r ? kavo::write_room(*r, text, size) : -2; });
}

extern "C" int32_t WINAPI qa_varbuf_read_installation(installation *inst, const char *text) noexcept
{
    return guarded(0, [&] { return inst ? kavo::read_installation(*inst, IndexedFinder(text)) : 0; });
}

extern "C" int32_t WINAPI qa_varbuf_write_installation(const installation *inst, char *text, int32_t size) noexcept
{
    return guarded(0, [&] { return inst ? kavo::write_installation(*inst, text, size) : 0; });
}

extern "C" int32_t WINAPI qa_varbuf_write_beam(const beam_module *beam, int16_t s_case, int16_t w_case, char *text,
                                               int32_t size) noexcept
{
    return guarded(0, [&] { return beam ? kavo::write_beam(*beam, flag(s_case), flag(w_case), text, size) : 0; });
}

extern "C" int32_t WINAPI qa_varbuf_write_panel(const panel_module *panel, int16_t s_case, int16_t w_case,
                                                char *text, int32_t size) noexcept
{
    return guarded(0,
                   [&] { return panel ? kavo::write_panel(*panel, flag(s_case), flag(w_case), text, size) : 0; });
}

extern "C" int32_t WINAPI qa_varbuf_read_designdata(designdata *design, const char *text) noexcept
{
    return guarded(0, [&] { return design ? kavo::read_designdata(*design, IndexedFinder(text)) : 0; });
}

extern "C" int32_t WINAPI qa_varbuf_write_designdata(const designdata *design, char *text, int32_t size) noexcept
{
    return guarded(-1, [&] { return design ? kavo::write_designdata(*design, text, size) : -1; });
}

extern "C" int32_t WINAPI qa_varbuf_beam_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                              const char *module_tag, const char *case_tag,
                                                              const char *text) noexcept
{
    return guarded(0, [&] {
        return design ? kavo::beam_module_to_designdata(*design, clear != 0, with_room != 0, module_tag, case_tag,
                                                        text)
                      : 0;
    });
}

extern "C" int32_t WINAPI qa_varbuf_panel_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                               const char *case_tag, const char *text) noexcept
{
    return guarded(0, [&] {
        return design ? kavo::panel_module_to_designdata(*design, clear != 0, with_room != 0, case_tag, text) : 0;
    });
}

extern "C" void WINAPI qa_varbuf_read_drawingdata(drawingdata *drawing, const char *tag, const char *text) noexcept
{
    guarded_void([&] {
        if (drawing)
            kavo::read_drawingdata(*drawing, tag, IndexedFinder(text));
    });
}

extern "C" void WINAPI qa_varbuf_write_drawingdata(const drawingdata *drawing, char *text, int32_t size) noexcept
{
    guarded_void([&] {
        if (drawing)
            kavo::write_drawingdata(*drawing, text, size);
    });
}

extern "C" int32_t WINAPI qa_get_propar(const propar_entry *entries, int16_t count, const char *key,
                                        char *out) noexcept
{
    return guarded(-1, [&] { return kavo::get_propar(entries, count, key, out, sizeof(propar_entry{}.value)); });
}

extern "C" void WINAPI qa_set_propar(propar_entry *entries, int16_t *count, const char *key,
                                     const char *value) noexcept
{
    guarded_void([&] { kavo::set_propar(entries, count, key, value); });
}

extern "C" int32_t WINAPI qa_varbuf_write_params_ex(const propar_entry *entries, const char *accessories,
                                                    uint16_t count, char *text, uint32_t size) noexcept
{
    return guarded(-2, [&] {
        return kavo::write_params_ex(entries, accessories, static_cast<int16_t>(count), text, size);
    });
}

extern "C" int32_t WINAPI qa_varbuf_write_params(const designdata *design, char *text, uint32_t size) noexcept
{
    return guarded(-2, [&] {
        if (!design)
            return -2;
        char accessories[sizeof design->accessories];
        return kavo::write_params_ex(design->propar, bounded(design->accessories, accessories),
                                     design->propar_count, text, size);
    });
}

extern "C" int32_t WINAPI qa_varbuf_write_bm_params(const beam_module *beam, char *text, uint32_t size) noexcept
{
    return guarded(-2, [&] {
        if (!beam)
            return -2;
        char accessories[sizeof beam->accessories];
        return kavo::write_params_ex(beam->propar, bounded(beam->accessories, accessories), beam->propar_count,
                                     text, size);
    });
}

extern "C" int32_t WINAPI qa_varbuf_write_md_params(designdata *design, const char *text) noexcept
{
    return guarded(-1, [&] { return design ? kavo::write_md_params(*design, text) : -1; });
}

extern "C" void WINAPI qa_ext_params_to_szv(const char *first, const char *second, const char *third,
                                            char *out) noexcept
{
    // The caller sizes out for the three texts (see the header).
    guarded_void([&] { kavo::ext_params_to_szv(first, second, third, out, kavo::ext_params_size(first, second, third)); });
}

extern "C" int32_t WINAPI qa_find_ext_param_value(const char *first, const char *second, const char *third,
                                                  const char *key, char *out, int32_t out_size) noexcept
{
    return guarded(-1, [&] { return kavo::find_ext_param_value(first, second, third, key, out, out_size); });
}

extern "C" int32_t WINAPI qa_is_accessory_set(const designdata *design, const char *code) noexcept
{
    return guarded(0, [&] {
        if (!design)
            return 0;
        char accessories[sizeof design->accessories];
        return kavo::is_accessory_set_sz(bounded(design->accessories, accessories), code);
    });
}

extern "C" int32_t WINAPI qa_is_accessory_set_sz(const char *list, const char *code) noexcept
{
    return guarded(0, [&] { return kavo::is_accessory_set_sz(list, code); });
}
