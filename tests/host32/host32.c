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

    unit_set_system("US");
    unit_get_system();
    f = unit_trans(12, 1.0f, 0) + v_tr(0, 1.0f, 1) + v_fit(4, 2.0f, 0) + unit_active_room_attenuation();
    unit_get_label(12, text);
    unit_get_label_wsz(12, wide, (int32_t)sizeof wide);
    unit_get_ndes(12);
    unit_set_sz(text, 12, f, 1);
    unit_set_wsz(wide, 32, 12, f, 1);
    v_tosz(100, 0.6f, 2, text);
    unit_sz_inch_to_mm(text);
    unit_sz_mm_to_inch(text);
    unit_set_edit(NULL, 1, 2, 12, f);
    unit_set_static(NULL, 1, 2, 12, f);
    unit_set_static_label(NULL, 2, 12);
    unit_get_edit(NULL, 1, 12, &f, 0.0f, 1.0f, 0);

    {
        qareg_key key;
        qareg_init("Norvane", "Kavo", "userProfile", "QBasePath", &key);
        qareg_get_data(HKEY_CURRENT_USER, &key, (int32_t)sizeof text, text);
        qareg_set_data(HKEY_CURRENT_USER, &key, text);
        qareg_get_userprofile_unitsystem(text, (int32_t)sizeof text);
        qareg_get_qbase_path(text, (int32_t)sizeof text);
        qareg_set_qbase_path(text);
        qareg_set_default_room("");
    }

    qa_findfile(text, "x.dat", 0);
    qa_findfilew(wide, L"x.dat", 0);
    qa_ini_modified();
    if (argc > 2) {
        qa_openfile_dlg(NULL, L"All|*.*|", text, buffer, (int32_t)sizeof text, NULL);
        qa_savefile_dlg(NULL, L"All|*.*|", L"dat", text, buffer, (int32_t)sizeof text, NULL);
    }

    qa_smart_sprint(text, (int32_t)sizeof text, 2.5, 2);
    qa_smart_sprintw(wide, 32, 2.5, 2);
    qa_create_guid(text);

    if (argc > 1)
        qa_msgbox(NULL, 1, argv[1]);

    printf("%s\n", buffer);
    return 0;
}
