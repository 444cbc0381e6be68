// A small host program: it loads KavoApi.dll with LoadLibrary and
// GetProcAddress, as the design programs do, writes a design data text
// with the item primitives, finds the items again and prints both.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define KAVOAPI_RECORDS_ONLY
#include "kavoapi.h"
#undef KAVOAPI_RECORDS_ONLY
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
    FreeLibrary(kavo);
    return 0;
}
