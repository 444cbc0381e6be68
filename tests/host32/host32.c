/* A minimal C host: it calls every function of the module once, so that the
 * compiler checks each declaration and the linker resolves each import
 * through KavoApi.lib with the stdcall decoration of its argument bytes. */
#include <stdio.h>
#include <string.h>

#include "kavoapi.h"

int main(int argc, char **argv)
{
    char buffer[256] = "";
    char text[300];
    wchar_t wide[32];
    float f = 0;
    int16_t s = 0;
    varbuf_date date = {7, 3, 2024};

    qa_varbuf_write_sz(buffer, "RNM", "Room", (int32_t)sizeof buffer);
    qa_varbuf_write_flo(buffer, "RH", 2.7f, 2, (int32_t)sizeof buffer);
    qa_varbuf_write_sho(buffer, "RCS", 3, (int32_t)sizeof buffer);
    qa_varbuf_write_date(buffer, "PDA", &date, (int32_t)sizeof buffer);
    qa_varbuf_find_sz(buffer, "RNM", text, (int32_t)sizeof text);
    qa_varbuf_find_flo(buffer, "RH", &f);
    qa_varbuf_find_sho(buffer, "RCS", &s);
    qa_varbuf_find_date(buffer, "PDA", &date);

    qa_init_paths("Host", "", "", "", "host.ini");
    qa_getinifilename(text);
    qa_set_adminmode(1);
    qa_get_adminmode();
    qareg_set_kavo_branch_name("Kavo");

    qa_smart_sprint(text, (int32_t)sizeof text, 2.5, 2);
    qa_smart_sprintw(wide, 32, 2.5, 2);
    qa_create_guid(text);

    if (argc > 1)
        qa_msgbox(NULL, 1, argv[1]);

    printf("%s\n", buffer);
    return 0;
}
