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
    if (argc > 3) {
        float coefficients[8] = {0};
        qa_absorption_dlg(NULL, &s, coefficients);
    }

    {
        qareg_key key;
        room room_copy;
        qareg_init("Norvane", "Kavo", "userProfile", "QBasePath", &key);
        qareg_get_data(HKEY_CURRENT_USER, &key, (int32_t)sizeof text, text);
        qareg_set_data(HKEY_CURRENT_USER, &key, text);
        qareg_get_userprofile_unitsystem(text, (int32_t)sizeof text);
        qareg_get_qbase_path(text, (int32_t)sizeof text);
        qareg_set_qbase_path(text);
        qareg_set_default_room("");
        qa_get_default_room(&room_copy);
        qa_set_default_room(&room_copy);
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
        {
            HWND list = qlw_init(NULL, 0, 0, 10, 10, NULL, 0);
            uint32_t width = 0, flags = 0;
            RECT cell;
            HMENU menu = CreatePopupMenu();
            qlw_registerclass(NULL);
            qlw_init_wc(NULL, 0, 0, 10, 10, NULL, QLW_MULTISEL);
            qlw_init_control(list, NULL, 0);
            qlw_init_control_wc(list, NULL, 0);
            qlw_init_column(list, 10, "a", "b", QLW_COL_SKIP);
            qlw_init_column_wc(list, 10, L"a", L"b", 0);
            qlw_init_subcolumn_wc(list, 10, 1, L"a", L"b", 0);
            qlw_delete_columns(list);
            qlw_set_showed_ncol(list, 1);
            qlw_start(list);
            qlw_regen_columns(list);
            qlw_regen(list, 1);
            qlw_get_nmb_of_columns(list);
            qlw_get_column_info_wc(list, 0, &width, wide, wide, &flags);
            qlw_get_column_info(list, 0, &width, text, text, &flags);
            qlw_get_current_rec(list);
            qlw_get_current_col(list);
            qlw_get_current_cell(list);
            qlw_set_current_rec(list, 1);
            qlw_set_current_col(list, 1);
            qlw_set_current_cell(list, 1);
            qlw_set_select(list, 1, 1);
            qlw_unselect_all(list);
            qlw_rec_is_selected(list, 1);
            qlw_get_nmb_of_selected_recs(list);
            qlw_set_rowheight(list, 20);
            qlw_set_header_font(list, NULL);
            qlw_set_header_font2(list, NULL);
            qlw_set_textcolor(list, 0);
            qlw_set_sort_column(list, 1, 1);
            qlw_link_selections_and_hscrolls(list, list);
            qlw_invalidate_rec(list, -1);
            qlw_get_cellrect(list, 0, 0, &cell);
            qlw_window_is_qlw(list);
            qlw_write_txt(NULL, 0, 0, 10, "a");
            qlw_write_wtxt(NULL, 0, 0, 10, L"a");
            qa_popup_add(menu, 0, 1, 1, "a");
            qa_popup_add_submenu(menu, 0, 0, 1, "a");
            qa_popup_add_wsz(menu, 0, 1, 1, "a");
            qa_popup_add_submenu_wsz(menu, 0, 0, 1, "a");
            qa_popup_pc(NULL);
            DestroyMenu(menu);
            tooltip_registerclass(NULL);
            qa_attach_control_to_tooltip_window(qa_create_control_tooltip_window(), NULL, 1, L"tip");
            qa_set_tooltip_header_and_icon(NULL, L"title", 1);
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

    if (argc > 2) {
        int32_t pairs[2] = {1, 2001};
        gwarray names = {0, 0, 0};
        HWND box;
        qlg_init("texts.dat", "texts.idx");
        qlg_openDOS();
        qlg_closeDOS();
        qlg_closeDOStotally();
        qlg_set_language("English");
        qlg_get_language_id();
        qlg_get_all_languages(&names);
        qlg_attId_for_sapLng("D");
        qlg_copy(text, 2001, (int32_t)sizeof text);
        qlg_copy_wsz(wide, 2001, (int32_t)sizeof wide);
        qlg_copy_saplng(text, 2001, (int32_t)sizeof text, "E");
        qlg_copy_saplng_wsz(wide, 2001, (int32_t)sizeof wide, "E");
        qlg_copy_def(text, 2001, (int32_t)sizeof text, "OK");
        qlg_copy_wsz_def(wide, 2001, (int32_t)sizeof wide, "OK");
        qlg_copy_columns_def(text, buffer, 2001, 100, "a|b");
        qlg_copy_columns_wsz_def(wide, wide, 2001, 20, "a|b");
        qlg_setdlgitemname(NULL, 1, 2001);
        qlg_setdlgitemname_def(NULL, 1, 2001, "OK");
        qlg_setdlgitemname_wsz(NULL, 1, 2001);
        qlg_setdlgitemname_wsz_def(NULL, 1, 2001, "OK");
        qlg_set_dlgitem_txts(NULL, pairs, 1);
        qlg_set_dlgitem_wtxts(NULL, pairs, 1);
        qlg_setdlgname(NULL, 2001);
        qlg_setdlgname_extra_wsz(NULL, 2001, L"x");
        qlg_setdlgname_wsz(NULL, 2001);
        qlg_okmsg(NULL, 2001, "OK");
        qlg_okcancelmsg(NULL, 2001, "OK");
        qa_sz2wsz_acp("a", wide, (int32_t)sizeof wide);
        qa_sz2wsz_byqlg("a", wide, (int32_t)sizeof wide);
        qa_wsz2sz_acp(L"a", text, (int32_t)sizeof text);
        qlg_release();

        qcq_init("qcq.dat", "qcq.idx");
        qcq_handle();
        qcq_openDOS();
        qcq_open_for_update();
        qcq_closeDOS();
        qcq_closeDOStotally();
        qcq_release();

        qa_chkmsgbox(NULL, L"message", L"check");
        qa_timedmsgbox(NULL, L"message", 1);
        box = qa_modeless_timedmsgbox(NULL, L"message", 1, 0);
        DestroyWindow(box);
    }

    printf("%s\n", buffer);
    return 0;
}
