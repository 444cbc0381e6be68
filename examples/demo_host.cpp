// A small host program: it loads KavoApi.dll with LoadLibrary and
// GetProcAddress, as the design programs do, writes a design data text
// with the item primitives, finds the items again and prints both; then it
// reads the sample design shipped beside it into a design record, prints
// its room, installation, product and summary, writes it back and shows
// that the round trip is stable.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "kavoapi_records.h"
#include <windows.h>

namespace {

using WriteSz = int32_t(WINAPI *)(char *, const char *, const char *, int32_t);
using WriteFlo = int32_t(WINAPI *)(char *, const char *, float, int32_t, int32_t);
using WriteSho = int32_t(WINAPI *)(char *, const char *, int16_t, int32_t);
using WriteDate = int32_t(WINAPI *)(char *, const char *, const varbuf_date *, int32_t);
using FindSz = int32_t(WINAPI *)(const char *, const char *, char *, int32_t);
using FindFlo = int32_t(WINAPI *)(const char *, const char *, float *);
using FindSho = int32_t(WINAPI *)(const char *, const char *, int16_t *);
using FindDate = int32_t(WINAPI *)(const char *, const char *, varbuf_date *);
using SmartSprint = int32_t(WINAPI *)(char *, int32_t, double, int32_t);
using CreateGuid = int32_t(WINAPI *)(char *);
using ReadDesign = int32_t(WINAPI *)(designdata *, const char *);
using WriteDesign = int32_t(WINAPI *)(const designdata *, char *, int32_t);

template <typename Function>
Function entry(HMODULE module, const char *name)
{
    FARPROC address = GetProcAddress(module, name);
    if (!address) {
        std::fprintf(stderr, "KavoApi.dll has no %s\n", name);
        std::exit(1);
    }
    return reinterpret_cast<Function>(reinterpret_cast<void *>(address));
}

// The sample design text beside the program.
std::string read_sample()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path, length);
    file = file.substr(0, file.find_last_of("\\/") + 1) + "sample_design.txt";
    std::string text;
    if (FILE *f = std::fopen(file.c_str(), "rb")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;)
            text.append(chunk, n);
        std::fclose(f);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

int demo_design(HMODULE kavo)
{
    auto read_design = entry<ReadDesign>(kavo, "qa_varbuf_read_designdata");
    auto write_design = entry<WriteDesign>(kavo, "qa_varbuf_write_designdata");
    const std::string sample = read_sample();
    if (sample.empty()) {
        std::fprintf(stderr, "sample_design.txt is missing\n");
        return 1;
    }
    auto design = std::make_unique<designdata>();
    std::memset(design.get(), 0, sizeof *design);
    std::strcpy(design->design_id, "R-2.14");
    const int read = read_design(design.get(), sample.c_str());
    std::printf("\nsample design (%u bytes) read: %d\n", static_cast<unsigned>(sample.size()), read);

    const room &r = design->room;
    std::printf("  room       %s: %s\n", r.rcd, r.rnm);
    std::printf("             %.2f x %.2f x %.2f m, %.1f C summer / %.1f C winter, %g persons\n", r.rle, r.rwi,
                r.rhe, r.rts, r.rtw, r.rpc);
    std::printf("             absorption class %d (%.2f ... %.2f)\n", r.rac, r.ra[0], r.ra[7]);
    const installation &inst = design->installation;
    std::printf("  installed  %d x %d units at %.2f m, %d IT entries\n", inst.inr, inst.inc, inst.iih,
                inst.int_ + inst.inv + inst.inw);
    const beam_module &beam = design->beams[0];
    std::printf("  product    %s, %d mm\n", beam.bsi, beam.blb);
    std::printf("             summer: %.2f l/s, %.1f W, %.0f Pa   winter: %.2f l/s, %.1f W\n", beam.bq1, beam.bp1,
                beam.bd2, beam.bq5, beam.bp5);
    const summary &sum = design->summary;
    std::printf("  summary    case %d, Q per unit %.2f (state %d), dp %.1f Pa, sound %.1f dB(A)\n",
                design->design_case, sum.q_unit, sum.q_state, sum.dp2, sum.a_value);

    design->module_index = 0; // the reader put the product into entry 0
    std::string written(16384, '\0');
    const int result = write_design(design.get(), &written[0], static_cast<int32_t>(written.size()));
    written.resize(std::strlen(written.c_str()));
    std::printf("  written back: %d, %u bytes, %s the sample\n", result, static_cast<unsigned>(written.size()),
                written == sample ? "identical to" : "different from");

    auto again = std::make_unique<designdata>(*design);
    read_design(again.get(), written.c_str());
    again->module_index = 0;
    std::string twice(16384, '\0');
    write_design(again.get(), &twice[0], static_cast<int32_t>(twice.size()));
    twice.resize(std::strlen(twice.c_str()));
    std::printf("  read and written once more: %s\n", twice == written ? "stable" : "NOT stable");
    return twice == written ? 0 : 1;
}

} // namespace

int main()
{
    HMODULE kavo = LoadLibraryA("KavoApi.dll");
    if (!kavo) {
        std::fprintf(stderr, "cannot load KavoApi.dll (error %lu)\n", GetLastError());
        return 1;
    }
    auto write_sz = entry<WriteSz>(kavo, "qa_varbuf_write_sz");
    auto write_flo = entry<WriteFlo>(kavo, "qa_varbuf_write_flo");
    auto write_sho = entry<WriteSho>(kavo, "qa_varbuf_write_sho");
    auto write_date = entry<WriteDate>(kavo, "qa_varbuf_write_date");
    auto find_sz = entry<FindSz>(kavo, "qa_varbuf_find_sz");
    auto find_flo = entry<FindFlo>(kavo, "qa_varbuf_find_flo");
    auto find_sho = entry<FindSho>(kavo, "qa_varbuf_find_sho");
    auto find_date = entry<FindDate>(kavo, "qa_varbuf_find_date");
    auto smart_sprint = entry<SmartSprint>(kavo, "qa_smart_sprint");
    auto create_guid = entry<CreateGuid>(kavo, "qa_create_guid");

    char design[1024] = "";
    char guid[33] = "";
    create_guid(guid);
    const varbuf_date planned = {7, 3, 2024};
    write_sz(design, "RCD", guid, sizeof design);
    write_sz(design, "RNM", "Meeting room 2.14 | north", sizeof design);
    write_flo(design, "RL", 7.2f, 2, sizeof design);
    write_flo(design, "RW", 4.8f, 2, sizeof design);
    write_flo(design, "RH", 2.7f, 2, sizeof design);
    write_sho(design, "RCS", 3, sizeof design);
    write_date(design, "PDA", &planned, sizeof design);
    std::printf("design data text (%u bytes):\n  %s\n\n", static_cast<unsigned>(strlen(design)), design);

    char name[100];
    float length = 0, width = 0, height = 0;
    int16_t cases = 0;
    varbuf_date date = {};
    find_sz(design, "RNM", name, sizeof name);
    find_flo(design, "RL", &length);
    find_flo(design, "RW", &width);
    find_flo(design, "RH", &height);
    find_sho(design, "RCS", &cases);
    find_date(design, "PDA", &date);

    char volume[32];
    smart_sprint(volume, sizeof volume, double(length) * width * height, 3);
    std::printf("items found again:\n");
    std::printf("  room       %s\n", name);
    std::printf("  size       %.2f x %.2f x %.2f m (volume %s m3)\n", length, width, height, volume);
    std::printf("  cases      %d\n", cases);
    std::printf("  planned    %02d.%02d.%04d\n", date.day, date.month, date.year);
    std::printf("  missing    %d (a key that is not there)\n", find_sz(design, "XYZ", name, sizeof name));
    const int status = demo_design(kavo);
    FreeLibrary(kavo);
    return status;
}
