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

    {
        /* Graphics and images */
        font_info fi;
        pen_info pi;
        int32_t w = 0, h = 0;
        void *dib = qa_dib_read("a.bmp");
        qafont_check("T", "Arial", "B", 30, 0, 0, 0, 0, 0);
        qafont_select(NULL, "T");
        qafont_Hmm10("T");
        qafont_get_info("T", &fi);
        qafont_codepage_for_charset(qafont_get_charsetID("greek"));
        DeleteObject(qafont_create_systemfont(13, 400, "Arial", "greek"));
        qafont_get_systemfont();
        qafont_get_systemfont_cset();
        qafont_release_systemfont();
        DeleteObject(qafont_create_pixelfont(13, 400, "Arial", "greek"));
        DeleteObject(qafont_create_gui_font(13, 400));
        qafont_init_qcq_charset("greek");
        qafont_qcq_charset();
        DeleteObject(qafont_create_qcqTablefont(13, 400, "Arial"));
        qafont_cxpix_arial("Wi", 10);
        qafont_cxpix_arial_wc(L"Wi", 10);
        qapen_check("P", 0, 3, 0, 0, 0);
        qapen_select(NULL, "P");
        qapen_Wmm10("P");
        qapen_get_info("P", &pi);
        qa_setdlgfont(NULL);
        {
            qat_memoinfo memo;
            qat_memoinfo_init(&memo, "memo", 0, 10);
            qat_getnextmemorow(&memo, text, (uint32_t)sizeof text);
            qat_memoinfo_init_wc(&memo, L"memo", 0, 10);
            qat_getnextmemorow_wc(&memo, wide, 32);
        }
        qa_drawlabel(NULL, 0, 0, "m@t3", "T", "S", 0);
        qa_drawlabelw(NULL, 0, 0, "m@t3", "T", "S", 0);
        qa_drawline(NULL, 0, 0, 10, 10, "P");
        qa_drawtable(NULL, 0, 0, 10, 10, 2, 3, "P", "P");
        qa_dib_get_size(dib, &w, &h);
        qa_dib_draw(NULL, dib, 0, 0, w, h, 0);
        qa_dib_draw_file(NULL, "a.bmp", 0, 0, 10, 10, 0);
        DeleteObject(qa_dib_create_palette(dib));
        qa_dib_to_clipboard(NULL, dib);
        qa_dib_release(dib);
        qa_dib_release(qa_gif_read_dib("a.gif"));
        gdi_bmpw_registerclass(NULL);
        gdi_bmpctrl_setbmp(NULL, 1, "a.png", 1);
        gdi_bmpctrl_set_white_bkg(NULL, 1);
        {
            float aspect = 0;
            HMETAFILE wmf = qa_wmf_read("a.wmf", &aspect);
            qa_wmf_draw(NULL, wmf, 0, 0, 100, 100);
            qa_wmf_to_clipboard(wmf, 150, 80);
            DeleteMetaFile(wmf);
        }
    }

    if (argc > 1)
        qa_msgbox(NULL, 1, argv[1]);

    printf("%s\n", buffer);
    return 0;
}
