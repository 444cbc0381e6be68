// The drawing header and its free "_" items.
#include "varbuf/codec_support.h"
#include "varbuf/designdata.h"

namespace kavo {

using codec::Reader;
using codec::Writer;

namespace {

constexpr char kExtraPrefix = '_';

// The extras: every "_name" item from the start of the text, up to the
// first malformed item; the record keeps the first 40, cut to its fields.
void collect_extras(drawingdata &d, const char *text)
{
    const char *cursor = text;
    char key[kKeyArea], value[kItemArea];
    for (int i = 0; i < kItemsPerSearch; ++i) {
        if (varbuf_next_item(&cursor, key, kKeyArea, value, kItemArea) < kFound)
            return;
        if (key[0] != kExtraPrefix || key[1] == 0 || d.extra_count >= kMaxParams)
            continue;
        propar_entry &extra = d.extras[d.extra_count++];
        set_field_text(extra.key, sizeof extra.key, key + 1);
        set_field_text(extra.value, sizeof extra.value, value);
    }
}

} // namespace

void read_drawingdata(drawingdata &d, const char *tag, const ItemFinder &text)
{
    codec::clear(d);
    set_field_text(d.tag, sizeof d.tag, tag);
    Reader in(text);
    in.sz("PDR", d.pdr);
    in.date("PDA", d.pda);
    in.sz("PCL", d.pcl);
    in.sz("PPJ", d.ppj);
    in.sz("PPR", d.ppr);
    in.sz("PDN", d.pdn);
    in.sz("PTN", d.ptn);
    in.sz("PMI", d.pmi);
    in.sz("PMO", d.pmo);
    in.sz("PMB", d.pmb);
    in.date("PDM", d.pdm);
    if (text.text())
        collect_extras(d, text.text());
}

void write_drawingdata(const drawingdata &d, char *text, int size)
{
    Writer w(text, size);
    w.sz("PDR", d.pdr);
    w.date("PDA", d.pda);
    w.sz("PCL", d.pcl);
    w.sz("PPJ", d.ppj);
    w.sz("PPR", d.ppr);
    w.sz("PDN", d.pdn);
    w.sz("PTN", d.ptn);
    w.sz("PMI", d.pmi);
    w.sz("PMO", d.pmo);
    w.sz("PMB", d.pmb);
    w.date("PDM", d.pdm);
    const int count = d.extra_count < kMaxParams ? d.extra_count : kMaxParams;
    for (int i = 0; i < count; ++i) {
        const propar_entry &extra = d.extras[i];
        char key[1 + sizeof extra.key] = {kExtraPrefix};
        set_field_text(key + 1, sizeof extra.key, extra.key);
        w.sz(key, extra.value);
    }
}

} // namespace kavo
