/* Calls the module through the kit's import library and checks that the DLL
 * the package placed beside it carries the version the package announced. */
#include <stdio.h>
#include <string.h>

#include "kavoapi.h"

int main(void)
{
    char text[64] = "", found[16] = "", path[MAX_PATH], version[64] = "";
    static char info[16384];
    VS_FIXEDFILEINFO *fixed = NULL;
    UINT length = 0;
    if (qa_varbuf_write_sz(text, "RNM", "Room", sizeof text) != 0 ||
        qa_varbuf_find_sz(text, "RNM", found, sizeof found) != 1 || strcmp(found, "Room") != 0) {
        printf("the module did not write and find an item: \"%s\"\n", text);
        return 1;
    }
    if (GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), path, MAX_PATH) &&
        GetFileVersionInfoA(path, 0, sizeof info, info) && VerQueryValueA(info, "\\", (void **)&fixed, &length))
        snprintf(version, sizeof version, "%lu.%lu.%lu.%lu", fixed->dwFileVersionMS >> 16,
                 fixed->dwFileVersionMS & 0xffff, fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xffff);
    if (strcmp(version, KIT_VERSION) != 0) {
        printf("KavoApi.dll says version \"%s\", the kit \"%s\"\n", version, KIT_VERSION);
        return 1;
    }
    printf("kit host: KavoApi.dll %s works\n", version);
    return 0;
}
