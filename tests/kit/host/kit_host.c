/* Calls the module through the kit's import library and checks that the DLL
 * the package placed beside it carries the version the package announced. */
#include <stdio.h>
#include <string.h>

#include "kavoapi.h"

static int dll_version(char *out, size_t size)
{
    char path[MAX_PATH];
    DWORD ignored = 0;
    if (!GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), path, MAX_PATH))
        return 0;
    DWORD bytes = GetFileVersionInfoSizeA(path, &ignored);
    static char info[4096];
    VS_FIXEDFILEINFO *fixed = NULL;
    UINT length = 0;
    if (bytes == 0 || bytes > sizeof info || !GetFileVersionInfoA(path, 0, bytes, info) ||
        !VerQueryValueA(info, "\\", (void **)&fixed, &length))
        return 0;
    snprintf(out, size, "%lu.%lu.%lu.%lu", fixed->dwFileVersionMS >> 16, fixed->dwFileVersionMS & 0xffff,
             fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xffff);
    return 1;
}

int main(void)
{
    char text[64] = "";
    char found[16] = "";
    if (qa_varbuf_write_sz(text, "RNM", "Room", sizeof text) != 0 ||
        qa_varbuf_find_sz(text, "RNM", found, sizeof found) != 1 || strcmp(found, "Room") != 0) {
        printf("the module did not write and find an item: \"%s\"\n", text);
        return 1;
    }
    char version[64] = "";
    if (!dll_version(version, sizeof version) || strcmp(version, KIT_VERSION) != 0) {
        printf("KavoApi.dll says version \"%s\", the kit \"%s\"\n", version, KIT_VERSION);
        return 1;
    }
    printf("kit host: KavoApi.dll %s works\n", version);
    return 0;
}
