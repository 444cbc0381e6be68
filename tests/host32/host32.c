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

    {
        static designdata design;
        static drawingdata drawing;
        static char big[8192];
        propar_entry entries[2];
        int16_t count = 0;
        qa_set_propar(entries, &count, "P1", "2");
        qa_get_propar(entries, count, "P1", text);
        qa_varbuf_write_params_ex(entries, "A1", (uint16_t)count, text, (uint32_t)sizeof text);
        qa_varbuf_write_params(&design, text, (uint32_t)sizeof text);
        qa_varbuf_write_bm_params(&design.beams[0], text, (uint32_t)sizeof text);
        qa_varbuf_write_md_params(&design, "P1=2");
        qa_ext_params_to_szv("P1=2", "", "AC=A1", text);
        qa_find_ext_param_value("P1=2", "", "", "P1", text, (int32_t)sizeof text);
        qa_is_accessory_set(&design, "A1");
        qa_is_accessory_set_sz("A1,B2", "A1");
        qa_varbuf_write_room(&design.room, big, (int32_t)sizeof big);
        qa_varbuf_read_room(&design.room, big);
        qa_varbuf_write_installation(&design.installation, big, (int32_t)sizeof big);
        qa_varbuf_read_installation(&design.installation, big);
        qa_varbuf_write_beam(&design.beams[0], 1, 1, big, (int32_t)sizeof big);
        qa_varbuf_write_panel(&design.panels[0], 1, 1, big, (int32_t)sizeof big);
        qa_varbuf_write_designdata(&design, big, (int32_t)sizeof big);
        qa_varbuf_read_designdata(&design, big);
        qa_varbuf_beam_module_to_designdata(&design, 1, 0, "", "T", big);
        qa_varbuf_panel_module_to_designdata(&design, 1, 0, "T", big);
        qa_varbuf_write_drawingdata(&drawing, big, (int32_t)sizeof big);
        qa_varbuf_read_drawingdata(&drawing, "T", big);
    }

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
