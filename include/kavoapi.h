/*
 * kavoapi.h - public interface of KavoApi.dll
 *
 * The shared application module of the Kavo design programs: design data
 * texts, unit systems, language texts, the QLISTWND grid window, message
 * boxes, fonts and pens, images, downloads and file search.
 *
 * Every function uses the standard Windows calling convention (WINAPI) and
 * is exported undecorated.  Every record shared with the module is packed
 * to single bytes and built from fixed-width types, so that hosts compiled
 * with any compiler agree with the module on its layout; they are declared
 * in kavoapi_records.h, which portable code may include alone.
 */

#ifndef KAVOAPI_H
#define KAVOAPI_H

#include <windows.h>

#include "kavoapi_records.h"

/* The module itself defines KAVOAPI_BUILDING; hosts import. */
#if defined(KAVOAPI_BUILDING)
#define KAVOAPI
#else
#define KAVOAPI __declspec(dllimport)
#endif

/* No exception ever leaves the module: to C++ every function is noexcept,
 * and the module's own definitions must say so too or they do not compile. */
#if defined(__cplusplus)
#define KAVOAPI_NOEXCEPT noexcept
#else
#define KAVOAPI_NOEXCEPT
#endif

#if defined(__cplusplus)
extern "C" {
#endif

/* ---- Design data buffers ------------------------------------------------
 * A design data text is an 8-bit NUL-terminated text of "KEY=value" items
 * joined by "|", in a buffer owned by the caller.  Sizes are in bytes and
 * count the terminating NUL.
 *
 * Writers return 0 (written, or nothing to write because the value is
 * empty), -1 (empty key) or -2 (the item does not fit, or a key and value
 * longer than 299 characters; the buffer is left unchanged).
 * Finders match whole keys only and return 1 (found), 0 (not found),
 * -1 (malformed item or not a number) or -2 (value too long for out).
 * qa_varbuf_find_date returns 0 both when it read a date and when the key is
 * absent; it changes the date only when it read one. */
KAVOAPI int32_t WINAPI qa_varbuf_write_sz(char *buffer, const char *key, const char *value,
                                          int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_flo(char *buffer, const char *key, float value, int32_t decimals,
                                           int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_sho(char *buffer, const char *key, int16_t value,
                                           int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_date(char *buffer, const char *key, const varbuf_date *date,
                                            int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_find_sz(const char *buffer, const char *key, char *out,
                                         int32_t out_size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_find_flo(const char *buffer, const char *key, float *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_find_sho(const char *buffer, const char *key, int16_t *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_find_date(const char *buffer, const char *key, varbuf_date *out) KAVOAPI_NOEXCEPT;

/* ---- Design data records and codecs --------------------------------------- */
/* Readers clear the record they fill (the O/E values of a design excepted)
 * and look every key up by name; writers append items to the text, never
 * clear it (the design writer excepted), and leave out items that no longer
 * fit.  Bounds are hard limits in both directions: INR and INC above 19 are
 * taken as 19, INT + INV + INW above 50 as 50, and texts are cut to their
 * fields, so nothing is ever written outside a record or a text buffer.
 *
 * qa_varbuf_read_room returns the result of finding RRT (1 read; 0, -1 or
 * -2 as qa_varbuf_find_sho gives it) and fills RAC and RA0..RA7 with the
 * "Average" class when the text has no usable RAC; qa_varbuf_write_room
 * returns the result of writing RRT, its last item.
 * qa_varbuf_read_installation returns 1, or 0 with a cleared record when one
 * of IMP, IIH, INR, INC, ILN, IVP, IVL, INT is missing or bad.
 * The beam and panel writers write a case's groups only when its flag (low
 * 16 bits) is set, and return 0. */
KAVOAPI int32_t WINAPI qa_varbuf_read_room(room *r, const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_room(const room *r, char *text, int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_read_installation(installation *inst, const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_installation(const installation *inst, char *text,
                                                    int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_beam(const beam_module *beam, int16_t s_case, int16_t w_case, char *text,
                                            int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_panel(const panel_module *panel, int16_t s_case, int16_t w_case, char *text,
                                             int32_t size) KAVOAPI_NOEXCEPT;

/* qa_varbuf_read_designdata: 1 when a product was read, 0 when the room,
 * the installation or every product kind is missing.  The product is read
 * into beams[0] or panels[0] (or m_data, d_data), whatever module_index is.
 * qa_varbuf_write_designdata: 0 written, -1 nothing to write; a design whose
 * installation is tagged but no product is writes an empty text.
 * The module-to-design functions add one module read from `text` (at most 6
 * beams, 2 panels) and return 1, or 0 when nothing was added. */
KAVOAPI int32_t WINAPI qa_varbuf_read_designdata(designdata *design, const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_designdata(const designdata *design, char *text,
                                                  int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_beam_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                           const char *module_tag, const char *case_tag,
                                                           const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_panel_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                            const char *case_tag, const char *text) KAVOAPI_NOEXCEPT;

/* Drawing data: the reader clears the record, stores `tag` and collects the
 * "_" items (keys upper-cased, at most 40; keys cut to 4 and values to 10
 * characters); the writer appends. */
KAVOAPI void WINAPI qa_varbuf_read_drawingdata(drawingdata *drawing, const char *tag,
                                               const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_varbuf_write_drawingdata(const drawingdata *drawing, char *text,
                                                int32_t size) KAVOAPI_NOEXCEPT;

/* Product parameters and accessories.  Lists hold at most 40 entries; keys
 * are cut to 4 and values to 10 characters, and entries beyond 40 are
 * dropped.  qa_get_propar copies the value (at most 10 characters and a NUL)
 * into out.  qa_varbuf_write_params_ex returns 0, -1 for a count of 0 (empty
 * text) or -2 when a pair or the accessory item does not fit (the pairs
 * written before stay).  qa_varbuf_write_md_params fills the design's lists
 * from a parameter text (0), or returns -1 for an empty text.
 * qa_ext_params_to_szv joins three parameter texts into out, which the
 * caller must size for all three texts, two separators and a NUL: it is
 * trusted.  qa_find_ext_param_value finds a key in the joined texts (cut to
 * 799 characters) and returns as qa_varbuf_find_sz. */
KAVOAPI int32_t WINAPI qa_get_propar(const propar_entry *entries, int16_t count, const char *key,
                                     char *out) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_set_propar(propar_entry *entries, int16_t *count, const char *key,
                                  const char *value) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_params_ex(const propar_entry *entries, const char *accessories, uint16_t count,
                                                 char *text, uint32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_params(const designdata *design, char *text, uint32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_bm_params(const beam_module *beam, char *text, uint32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_varbuf_write_md_params(designdata *design, const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_ext_params_to_szv(const char *first, const char *second, const char *third,
                                         char *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_find_ext_param_value(const char *first, const char *second, const char *third,
                                               const char *key, char *out, int32_t out_size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_is_accessory_set(const designdata *design, const char *code) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_is_accessory_set_sz(const char *list, const char *code) KAVOAPI_NOEXCEPT;

/* ---- Units and unit-aware controls ------------------------------------------
 * Unit systems: 0 "SI", 1 "EURO", 2 "EUROSPE", 3 "NORDIC" (the default),
 * 4 "US".  unit_set_system picks the last of these names found in the text
 * (case-insensitive; "eurospe" gives 2) and ignores a text naming none.
 * Values are floats in the base units the hosts compute in.  unit_trans
 * takes the property ids 10 to 32, v_tr and v_fit the older ids 0, 1, 3 to
 * 12, 14, 101, 102 (v_tosz also 100: feet and inches).  to_base nonzero
 * (only its low byte counts) converts display units back to base units.
 * An unknown id shows an information message and gives the value unchanged.
 * Labels are Windows-1252 texts of at most 21 characters (out holds 22
 * bytes) and may carry the label markup "@t", "@b", "@@".
 * unit_sz_inch_to_mm and unit_sz_mm_to_inch rewrite a number in place as a
 * whole number (text holds up to 42 bytes of result) and give 0, or -1 when
 * the text holds no number.
 * unit_get_edit gives 0 and stores the base value when the typed number
 * (comma or point) lies within minimum and maximum give or take one part in
 * a thousand; otherwise -1, and with warn 1 a beep, with warn 2 or more a
 * message with the range, both moving the focus to the edit control. */
KAVOAPI void WINAPI unit_set_system(const char *name) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_get_system(void) KAVOAPI_NOEXCEPT;
KAVOAPI float WINAPI unit_trans(int32_t property, float value, int32_t to_base) KAVOAPI_NOEXCEPT;
KAVOAPI float WINAPI v_tr(int32_t property, float value, int32_t to_base) KAVOAPI_NOEXCEPT;
KAVOAPI float WINAPI v_fit(int32_t property, float value, int32_t mode) KAVOAPI_NOEXCEPT;
KAVOAPI float WINAPI unit_active_room_attenuation(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI unit_get_label(int32_t property, char *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_get_label_wsz(int32_t property, wchar_t *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_get_ndes(int32_t property) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI unit_set_sz(char *out, int32_t property, float value, int16_t with_label) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI unit_set_wsz(wchar_t *out, int32_t out_chars, int32_t property, float value,
                                 int16_t with_label) KAVOAPI_NOEXCEPT;
KAVOAPI char *WINAPI v_tosz(int32_t property, float value, int32_t decimals, char *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_sz_inch_to_mm(char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_sz_mm_to_inch(char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_set_edit(HWND dialog, int32_t edit_id, int32_t label_id, int32_t property,
                                     float value) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_set_static(HWND dialog, int32_t value_id, int32_t label_id, int32_t property,
                                       float value) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_set_static_label(HWND dialog, int32_t label_id, int32_t property) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI unit_get_edit(HWND dialog, int32_t edit_id, int32_t property, float *out, float minimum,
                                     float maximum, int32_t warn) KAVOAPI_NOEXCEPT;

/* The room absorption dialog, modal over parent: the class (0 "Dead" to
 * 4 "Live", 5 "User defined") and the coefficients of the eight octave
 * bands 63 Hz to 8 kHz.  Choosing a standard class shows its built-in
 * values; only the user class's values can be typed, each from 0.01 to 1
 * (comma or point).  The user class shows the values given at the call
 * when the class given is 5, zeros otherwise, however often it is left.
 * On OK writes the class and the 8 values and returns 0; on Cancel, or when
 * the dialog cannot be shown, returns -1 and changes nothing. */
KAVOAPI int32_t WINAPI qa_absorption_dlg(HWND parent, int16_t *absorption_class,
                                         float *coefficients) KAVOAPI_NOEXCEPT;

/* ---- Module settings -----------------------------------------------------
 * qa_init_paths stores the application title (cut to 79 characters), the
 * three folders searched for files and the ini file path (each cut to 299
 * characters), then reads the unit system setting.
 * qa_getinifilename copies the ini file path into out, which must hold at
 * least 300 bytes.  The registry branch name is cut to 99 characters. */
KAVOAPI void WINAPI qa_init_paths(const char *title, const char *dir1, const char *dir2, const char *dir3,
                                  const char *ini_file) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_getinifilename(char *out) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qa_set_adminmode(int16_t mode) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qa_get_adminmode(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qareg_set_kavo_branch_name(const char *name) KAVOAPI_NOEXCEPT;

/* ---- Language texts ---------------------------------------------------------
 * One language database (made with langdb) holds every text: record "S" with
 * the text id as key, one attribute per language (ids 1501 to 1599), and
 * record "0" key 0 with the language names.  The current language starts as
 * 1512.  Sizes of UTF-16 buffers are in bytes.
 *
 * qlg_init opens the database (0, or -1 after a message naming the missing
 * or unreadable file); qlg_release closes it.  qlg_openDOS and qlg_closeDOS
 * bracket a run of lookups so the file stays open for reading between them;
 * they nest, and qlg_closeDOStotally ends reading whatever the nesting.
 * The lookups return out, or null with an empty out when no database is
 * open or the text or language is missing; the _def forms then give def
 * and always return out.  The _columns forms split the text at "|".
 * qlg_setdlgitemname and its _wsz form leave the item alone when there is
 * no text.  qlg_okmsg and qlg_okcancelmsg return the button pressed.
 * qa_sz2wsz_byqlg converts in the code page of the system font and returns
 * the UTF-16 units written with the terminator (0 for an empty text). */
KAVOAPI int32_t WINAPI qlg_init(const char *file1, const char *file2) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_release(void) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qlg_openDOS(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_closeDOS(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_closeDOStotally(void) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qlg_set_language(const char *name) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qlg_get_language_id(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_get_all_languages(gwarray *names) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qlg_attId_for_sapLng(const char *sap_language) KAVOAPI_NOEXCEPT;
KAVOAPI char *WINAPI qlg_copy(char *out, int32_t text_id, int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI wchar_t *WINAPI qlg_copy_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes) KAVOAPI_NOEXCEPT;
KAVOAPI char *WINAPI qlg_copy_saplng(char *out, int32_t text_id, int32_t size,
                                     const char *sap_language) KAVOAPI_NOEXCEPT;
KAVOAPI wchar_t *WINAPI qlg_copy_saplng_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                           const char *sap_language) KAVOAPI_NOEXCEPT;
KAVOAPI char *WINAPI qlg_copy_def(char *out, int32_t text_id, int32_t size, const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI wchar_t *WINAPI qlg_copy_wsz_def(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                         const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_copy_columns_def(char *first, char *second, int32_t text_id, int16_t size,
                                         const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_copy_columns_wsz_def(wchar_t *first, wchar_t *second, int32_t text_id, int16_t size_bytes,
                                            const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgitemname(HWND dialog, int32_t item, int32_t text_id) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgitemname_def(HWND dialog, int32_t item, int32_t text_id,
                                           const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgitemname_wsz(HWND dialog, int32_t item, int32_t text_id) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgitemname_wsz_def(HWND dialog, int32_t item, int32_t text_id,
                                               const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_set_dlgitem_txts(HWND dialog, const int32_t *pairs, int32_t count) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_set_dlgitem_wtxts(HWND dialog, const int32_t *pairs, int32_t count) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgname(HWND window, int32_t text_id) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgname_extra_wsz(HWND window, int32_t text_id, const wchar_t *extra) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qlg_setdlgname_wsz(HWND window, int32_t text_id) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlg_okmsg(HWND owner, int32_t text_id, const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlg_okcancelmsg(HWND owner, int32_t text_id, const char *def) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_sz2wsz_acp(const char *in, wchar_t *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_sz2wsz_byqlg(const char *in, wchar_t *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_wsz2sz_acp(const wchar_t *in, char *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;

/* ---- qcq database -----------------------------------------------------------
 * A record database of the host's, opened by the module and read by the
 * host through Vantmods_x32.dll with qcq_handle().  qcq_openDOS and
 * qcq_closeDOS nest like the language ones; qcq_open_for_update ends
 * reading first and gives the handle or -1; the host ends the update with
 * qcq_closeDOS or qcq_closeDOStotally. */
KAVOAPI int32_t WINAPI qcq_init(const char *file1, const char *file2) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qcq_release(void) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qcq_handle(void) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qcq_openDOS(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qcq_closeDOS(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qcq_closeDOStotally(void) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qcq_open_for_update(void) KAVOAPI_NOEXCEPT;

/* ---- Registry settings and default room -------------------------------------
 * Settings live under HKEY_CURRENT_USER in SOFTWARE\Norvane\<branch>\userProfile
 * (branch "Kavo" unless qareg_set_kavo_branch_name chose another), all as
 * REG_SZ texts.  qareg_get_data empties out, then gives -1 when the key
 * cannot be opened, -2 when the value cannot be read into size bytes (out
 * stays empty), 0 otherwise; qareg_set_data creates the key when needed and
 * gives -1 when it cannot, -2 when the write fails.  The named getters and
 * setters give 0 or -1. */
KAVOAPI void WINAPI qareg_init(const char *company, const char *branch, const char *group, const char *value_name,
                               qareg_key *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qareg_get_data(HKEY root, const qareg_key *key, int32_t size, char *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qareg_set_data(HKEY root, const qareg_key *key, const char *value) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qareg_get_userprofile_unitsystem(char *out, int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qareg_get_qbase_path(char *out, int32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qareg_set_qbase_path(const char *path) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qareg_set_default_room(const char *text) KAVOAPI_NOEXCEPT;
/* The default room: read from the "defaultRoom" value at the first
 * qa_get_default_room and kept until the module is unloaded; a missing or
 * unusable value gives built-in values (10 x 6 x 2.6 m, 24 and 20 degrees,
 * 50 %, absorption class 2).  It never carries a room code or name, and its
 * valid field is 1.  qa_get_default_room returns 0.  qa_set_default_room
 * makes `in` the default room for this process at once, then stores it:
 * -1 when it cannot be written (into 600 bytes, or to the registry). */
KAVOAPI int32_t WINAPI qa_get_default_room(room *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_set_default_room(const room *in) KAVOAPI_NOEXCEPT;

/* ---- List window and header strip ------------------------------------------- */

/* A QLISTWND window asks its host for everything through one callback, with
 * the C calling convention: code QLW_GETNREC and the others below, the
 * record and column they concern, and for texts a buffer to fill (cell
 * texts at most 200 units with the terminator, hints 2000).  The ANSI form
 * fills 8-bit texts in the ANSI code page, the _wc form UTF-16 texts. */
typedef int32_t(__cdecl *qlw_callback)(HWND window, int32_t code, int32_t record, int32_t column, void *data);

/* Style flags of qlw_init and qlw_init_control. */
#define QLW_MULTISEL 1
#define QLW_DOUBLEROW 2
#define QLW_CELLMODE 4
#define QLW_NOHEADER 8
#define QLW_TWOBANDS 16
#define QLW_NOVSCROLL 32
#define QLW_KEEPCOLORS 64
/* Column flags. */
#define QLW_COL_SKIP 1
#define QLW_COL_OWNERDRAW 2
/* Callback codes. */
#define QLW_GETNREC 101
#define QLW_GETTEXT 102
#define QLW_DBLCLICK 103
#define QLW_RCLICK 104
#define QLW_ENTERKEY 105
#define QLW_ESCKEY 106
#define QLW_INSKEY 107
#define QLW_DELKEY 108
#define QLW_HDRCLICK 109
#define QLW_HDRRCLICK 110
#define QLW_DRAWCELL 111
#define QLW_GETTEXT2 112
#define QLW_LCLICK 113
#define QLW_RCLICKEMPTY 114
#define QLW_GETNCELL 115
#define QLW_CANSELECT 116
#define QLW_GETHINT 117
#define QLW_TOPROW 118
#define QLW_GETSEPLINE 119
#define QLW_CURCHANGED 120
#define QLW_CLOSING 999

/* Creating and starting: qlw_init makes a hidden child list window (0 on
 * failure, with a message); qlw_init_control takes over a QLISTWND control
 * of a dialog.  Define the columns, then qlw_start counts the records,
 * lays the columns out and shows the window.  Functions given a window
 * that is not a list window return -1 (the counting ones 0). */
KAVOAPI int32_t WINAPI qlw_registerclass(HINSTANCE instance) KAVOAPI_NOEXCEPT;
KAVOAPI HWND WINAPI qlw_init(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, qlw_callback callback,
                             int32_t flags) KAVOAPI_NOEXCEPT;
KAVOAPI HWND WINAPI qlw_init_wc(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, qlw_callback callback,
                                int32_t flags) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_init_control(HWND window, qlw_callback callback, int32_t flags) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_init_control_wc(HWND window, qlw_callback callback, int32_t flags) KAVOAPI_NOEXCEPT;
/* Columns: widths in average characters, header texts of at most 79
 * characters, at most 50 columns.  With QLW_TWOBANDS the columns are the
 * subcolumns and qlw_init_column gives the texts of their groups. */
KAVOAPI int32_t WINAPI qlw_init_column(HWND window, uint32_t width, const char *text1, const char *text2,
                                       uint32_t flags) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_init_column_wc(HWND window, uint32_t width, const wchar_t *text1, const wchar_t *text2,
                                          uint32_t flags) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_init_subcolumn_wc(HWND window, uint32_t width, uint32_t group, const wchar_t *text1,
                                             const wchar_t *text2, uint32_t flags) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_delete_columns(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_showed_ncol(HWND window, int32_t n) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_start(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_regen_columns(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_regen(HWND window, uint32_t force) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_get_nmb_of_columns(HWND window) KAVOAPI_NOEXCEPT;
/* Texts of 80 units each (8-bit: text1 100 bytes, text2 200). */
KAVOAPI int32_t WINAPI qlw_get_column_info_wc(HWND window, int32_t column, uint32_t *width, wchar_t *text1,
                                              wchar_t *text2, uint32_t *flags) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_get_column_info(HWND window, int32_t column, uint32_t *width, char *text1, char *text2,
                                           uint32_t *flags) KAVOAPI_NOEXCEPT;
/* The current position and the selection. */
KAVOAPI int32_t WINAPI qlw_get_current_rec(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_get_current_col(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_get_current_cell(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_current_rec(HWND window, int32_t record) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_current_col(HWND window, int32_t column) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_current_cell(HWND window, int32_t cell) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_select(HWND window, int32_t record, uint8_t value) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_unselect_all(HWND window) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_rec_is_selected(HWND window, int32_t record) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_get_nmb_of_selected_recs(HWND window) KAVOAPI_NOEXCEPT;
/* Looks: the row height in pixels (below 1: the default), header fonts
 * (0 changes nothing), the text colour of the cell being drawn (only from
 * inside GETTEXT, GETTEXT2 or DRAWCELL), the sort mark (column -1: none). */
KAVOAPI int32_t WINAPI qlw_set_rowheight(HWND window, int32_t height) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_header_font(HWND window, HFONT font) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_header_font2(HWND window, HFONT font) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_textcolor(HWND window, COLORREF colour) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_set_sort_column(HWND window, int32_t column, uint16_t ascending) KAVOAPI_NOEXCEPT;
/* Two lists that scroll and select together (vertically). */
KAVOAPI int32_t WINAPI qlw_link_selections_and_hscrolls(HWND window1, HWND window2) KAVOAPI_NOEXCEPT;
/* Repaints one record's row (negative: the current one): 0, or -1 for a
 * window that is not a list window. */
KAVOAPI int32_t WINAPI qlw_invalidate_rec(HWND window, int32_t record) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_get_cellrect(HWND window, int32_t record, int32_t column, RECT *rect) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_window_is_qlw(HWND window) KAVOAPI_NOEXCEPT;
/* Draw the leading part of a text that fits max_width pixels. */
KAVOAPI int32_t WINAPI qlw_write_txt(HDC hdc, int32_t x, int32_t y, int32_t max_width,
                                     const char *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qlw_write_wtxt(HDC hdc, int32_t x, int32_t y, int32_t max_width,
                                      const wchar_t *text) KAVOAPI_NOEXCEPT;


/* ---- Message boxes ---------------------------------------------------------- */

/* kind 2 asks OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No and returns the button
 * (IDOK, IDCANCEL, IDYES, IDNO); any other kind shows an information box
 * and returns 1.  Without an owner the box is task-modal.  The keyboard
 * focus goes back to where it was (or to the owner). */
KAVOAPI int32_t WINAPI qa_msgbox(HWND owner, uint32_t kind, const char *text) KAVOAPI_NOEXCEPT;
/* The module's own boxes, captioned with the application title.
 * qa_chkmsgbox returns 1 when the check box was ticked at closing, else 0.
 * qa_timedmsgbox closes itself after `seconds` (0: only when closed) with a
 * countdown line, and returns 0.  qa_modeless_timedmsgbox shows the box
 * (tall: the larger one) and returns it; when its time is up it is hidden,
 * and the host destroys it.  -1 (modeless: null) when out of memory. */
KAVOAPI int32_t WINAPI qa_chkmsgbox(HWND owner, const wchar_t *message, const wchar_t *check_text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds) KAVOAPI_NOEXCEPT;
KAVOAPI HWND WINAPI qa_modeless_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds,
                                            uint32_t tall) KAVOAPI_NOEXCEPT;

/* ---- Memo rows, popup menus, tooltips and the hint window -------------------- */

/* Memo rows: qat_memoinfo_init sets info up on a text (font_height > 0:
 * rows measured in pixels of the Arial estimate, else in characters);
 * each qat_getnextmemorow writes the next row (at most size - 1
 * characters, size at least 2) and gives 1, or an empty row and 0 when the
 * text is used up.  The _wc forms take UTF-16 texts, size in units. */
KAVOAPI void WINAPI qat_memoinfo_init(qat_memoinfo *info, const char *text, uint16_t font_height,
                                      uint16_t max_width) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qat_memoinfo_init_wc(qat_memoinfo *info, const wchar_t *text, uint16_t font_height,
                                         uint16_t max_width) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qat_getnextmemorow(qat_memoinfo *info, char *row, uint32_t size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qat_getnextmemorow_wc(qat_memoinfo *info, wchar_t *row, uint32_t size) KAVOAPI_NOEXCEPT;

/* Popup menu items captioned with language text text_id, or with caption
 * when text_id is 0 or has no text; greyed unless enabled.  The results
 * are AppendMenu's.  qa_popup_pc shows a copy (command 888) and print
 * (889) menu at the mouse for owner; 0 when no menu could be made. */
KAVOAPI int32_t WINAPI qa_popup_add(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                    const char *caption) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_popup_add_submenu(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                            const char *caption) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_popup_add_wsz(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                        const char *caption) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_popup_add_submenu_wsz(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                                const char *caption) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_popup_pc(HWND owner) KAVOAPI_NOEXCEPT;

/* Registers the QTBHINT hint window class of the list windows; 0. */
KAVOAPI int32_t WINAPI tooltip_registerclass(HINSTANCE instance) KAVOAPI_NOEXCEPT;
/* Platform tooltips for dialog controls (the host initialises the common
 * controls): a tooltip window with tips up to 800 pixels wide; a control
 * added with its text, which must live as long as the tooltip; a title
 * and icon.  The results are those of the tooltip messages. */
KAVOAPI HWND WINAPI qa_create_control_tooltip_window(void) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_attach_control_to_tooltip_window(HWND tooltip, HWND dialog, int32_t control_id,
                                                           const wchar_t *text) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_set_tooltip_header_and_icon(HWND tooltip, const wchar_t *title,
                                                      uint32_t icon) KAVOAPI_NOEXCEPT;


/* ---- Fonts and pens --------------------------------------------------------- */

/* Named fonts and pens live in module tables until the module is unloaded
 * (named fonts also until the system font is made again).  Names have at
 * most 8 characters and are case-sensitive; longer names are cut.  Heights
 * and widths are tenths of a millimetre, handed to the platform as logical
 * units.  qafont_check gives 1 when it made the font, 0 when a font of that
 * name, height and colour exists (other settings are not compared), -1 on
 * failure.  qapen_check gives 0 when the pen exists or was made, -1 when it
 * could not be made, -2 without memory.  The select functions give the
 * height or width, 0 for an unknown name (qapen_select then selects the
 * stock black pen). */
KAVOAPI int32_t WINAPI qafont_check(const char *name, const char *face, const char *style, uint16_t height,
                                    int16_t angle, uint8_t opaque, uint8_t red, uint8_t green,
                                    uint8_t blue) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qafont_select(HDC hdc, const char *name) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qafont_Hmm10(const char *name) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qafont_get_info(const char *name, font_info *info) KAVOAPI_NOEXCEPT;
/* Character set of a language name ("Swiss-Russian": 204) and its code
 * page when the platform has it (else 0). */
KAVOAPI uint16_t WINAPI qafont_get_charsetID(const char *language) KAVOAPI_NOEXCEPT;
KAVOAPI uint32_t WINAPI qafont_codepage_for_charset(uint16_t charset) KAVOAPI_NOEXCEPT;
/* The system font (pixel heights): for a language of the default character
 * set the platform's GUI font serves.  Making it again releases the named
 * fonts. */
KAVOAPI HFONT WINAPI qafont_create_systemfont(int32_t height, int32_t weight, const char *face,
                                              const char *language) KAVOAPI_NOEXCEPT;
KAVOAPI HFONT WINAPI qafont_get_systemfont(void) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qafont_get_systemfont_cset(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qafont_release_systemfont(void) KAVOAPI_NOEXCEPT;
/* New fonts that the caller deletes. */
KAVOAPI HFONT WINAPI qafont_create_pixelfont(int32_t height, int32_t weight, const char *face,
                                             const char *language) KAVOAPI_NOEXCEPT;
KAVOAPI HFONT WINAPI qafont_create_gui_font(int32_t height, int32_t weight) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qafont_init_qcq_charset(const char *language) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qafont_qcq_charset(void) KAVOAPI_NOEXCEPT;
KAVOAPI HFONT WINAPI qafont_create_qcqTablefont(int32_t height, int32_t weight, const char *face) KAVOAPI_NOEXCEPT;
/* Estimated width of a text in Arial at a height: each character's
 * rounded-up advance, summed. */
KAVOAPI uint16_t WINAPI qafont_cxpix_arial(const char *text, uint16_t height) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qafont_cxpix_arial_wc(const wchar_t *text, uint16_t height) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qapen_check(const char *name, int16_t style, uint16_t width, uint8_t red, uint8_t green,
                                   uint8_t blue) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qapen_select(HDC hdc, const char *name) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qapen_Wmm10(const char *name) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qapen_get_info(const char *name, pen_info *info) KAVOAPI_NOEXCEPT;
/* Gives every direct child of the dialog the system font. */
KAVOAPI void WINAPI qa_setdlgfont(HWND dialog) KAVOAPI_NOEXCEPT;

/* ---- Labels, lines and tables ----------------------------------------------- */

/* Draws a label with the named fonts: "@t" raises the following text in the
 * small font, "@b" lowers it, "@@" returns to the main font, "@d" draws a
 * delta sign with the selected pen.  align is set with SetTextAlign and
 * stays.  Gives the main font's height (0 when it is not in the table).
 * qa_drawlabelw takes the same 8-bit text in code page 1252 and draws it
 * with the wide text calls. */
KAVOAPI uint16_t WINAPI qa_drawlabel(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                     const char *small_font, int32_t align) KAVOAPI_NOEXCEPT;
KAVOAPI uint16_t WINAPI qa_drawlabelw(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                      const char *small_font, int32_t align) KAVOAPI_NOEXCEPT;
/* A line with a named pen (the stock black pen for an unknown name). */
KAVOAPI int32_t WINAPI qa_drawline(HDC hdc, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
                                   const char *pen) KAVOAPI_NOEXCEPT;
/* A ruled table of rows x columns cells with the grid pen, framed with the
 * frame pen; gives the result of the last frame stroke. */
KAVOAPI int32_t WINAPI qa_drawtable(HDC hdc, int16_t x, int16_t y, int32_t column_width, int32_t row_height,
                                    int16_t rows, int16_t columns, const char *grid_pen,
                                    const char *frame_pen) KAVOAPI_NOEXCEPT;

/* ---- Bitmaps, GIF and metafiles --------------------------------------------- */

/* Bitmaps are packed device-independent bitmaps (header, colour table,
 * pixel rows) in one movable global block, which the caller gives back with
 * qa_dib_release.  qa_dib_read reads a ".bmp" file, or a GIF file when the
 * name contains ".gif" in any case; null on failure, with a message.  The
 * drawing, palette and clipboard functions accept only blocks from the
 * global heap that hold everything their header announces.
 * qa_dib_draw draws at the bitmap's size when w is 0, into w x h when both
 * are given, and at width w with the bitmap's aspect when h is 0; then a
 * non-zero fit keeps it from growing beyond its own device pixels, centred.
 * It gives the drawn height plus the vertical offset, 0 when nothing was
 * drawn. */
KAVOAPI void *WINAPI qa_dib_read(const char *file_name) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_dib_release(void *dib) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_dib_get_size(const void *dib, int32_t *width, int32_t *height) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_dib_draw(HDC hdc, const void *dib, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t fit) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_dib_draw_file(HDC hdc, const char *file_name, int32_t x, int32_t y, int32_t w,
                                        int32_t h, int32_t unused) KAVOAPI_NOEXCEPT;
/* The bitmap's colour table as a palette (the caller deletes it); null for
 * core headers and bitmaps without a table. */
KAVOAPI HPALETTE WINAPI qa_dib_create_palette(const void *dib) KAVOAPI_NOEXCEPT;
/* Puts the bitmap and its palette on the clipboard and gives the result of
 * CloseClipboard; 1 without copying for a core header, 0 for more than 256
 * colours or a bad block. */
KAVOAPI int32_t WINAPI qa_dib_to_clipboard(HWND owner, const void *dib) KAVOAPI_NOEXCEPT;
/* The "QBMPWND" window class; 0 always.  gdi_bmpctrl_setbmp shows an image
 * file of any format GDI+ reads in the control (null or "" clears it); fit
 * scales it into the control. */
KAVOAPI int32_t WINAPI gdi_bmpw_registerclass(HINSTANCE instance) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI gdi_bmpctrl_setbmp(HWND dialog, int32_t control_id, const char *file_name,
                                       int32_t fit) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI gdi_bmpctrl_set_white_bkg(HWND dialog, int32_t control_id) KAVOAPI_NOEXCEPT;
/* The first image of a GIF file (no extension block before it, no local
 * colour table) as an 8-bit bitmap; null on failure, with a message. */
KAVOAPI void *WINAPI qa_gif_read_dib(const char *file_name) KAVOAPI_NOEXCEPT;
/* Placeable metafiles.  qa_wmf_read gives a metafile handle (the caller
 * deletes it with DeleteMetaFile) and the aspect ratio height / width of
 * its bounding box (1.0 when it cannot tell); 0 on failure, with a message
 * except when the file cannot be opened.  qa_wmf_draw plays it into the
 * rectangle and restores the mapping of hdc.  qa_wmf_to_clipboard puts a
 * copy on the clipboard with a size in tenths of a millimetre; it gives the
 * result of CloseClipboard, or 1 after a failure message. */
KAVOAPI HMETAFILE WINAPI qa_wmf_read(const char *file_name, float *aspect) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_wmf_draw(HDC hdc, HMETAFILE metafile, int32_t left, int32_t top, int32_t right,
                                   int32_t bottom) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_wmf_to_clipboard(HMETAFILE metafile, int32_t width, int32_t height) KAVOAPI_NOEXCEPT;

/* ---- Download ----------------------------------------------------------------
 * Models, files and images from the host's server over HTTP, or from the
 * search folders of qa_init_paths while the module is offline (it starts
 * offline).  qa_set_net_download_info stores the settings, each text cut to
 * its field: user and password 9 characters, base URLs (without a trailing
 * "/") 299; the test URLs hold 599 and, when set, are fetched instead of
 * every model's or thumbnail's URL.  The URL functions write at most 600
 * bytes into out: "base/name" (0, or -1 with out untouched when the base
 * URL or the name is empty) and "base/id/thumbnail".
 * Downloads give 0, or -1 and write nothing; a stream is a memory block
 * with its byte count in *size, null on failure.  Messages are shown, owned
 * by owner, when no session can be had, when the server wants a password
 * and when a block cannot be had.  qa_file_get_content_type writes at most
 * out_size - 1 characters and a NUL.
 * qa_read_qmodel hands the model (name upper-cased) to the sibling library's
 * reader and gives its result, 0 when the model is missing; the last model
 * downloaded is kept, so asking again fetches nothing.  "Model not found"
 * is shown when show_message is set and the name differs from the one asked
 * for before.  Streams go back through qa_release_file_stream under the same
 * offline setting as they were obtained.
 * qa_get_offline_image_full_filename looks for name (at most 95 characters)
 * with ".PNG", ".GIF", ".BMP", ".JPG" in turn and gives 1 with the first path
 * shorter than out_size - 1, or 0 (out_size in bytes for both forms).
 * qa_set_image_file_extension_by_contenttype puts "JPG", "PNG", "GIF" or
 * "BMP" after the last "." of file_name when the content type names such an
 * image; file_name needs room for three more characters. */
KAVOAPI void WINAPI qa_set_net_download_info(int16_t offline, const char *access_user, const char *access_password,
                                             const char *qmodel_base_url,
                                             const char *thumbnail_base_url) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qa_is_net_offline(void) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_set_qmodel_test_url(const char *url) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_set_thumbnail_test_url(const char *url) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_get_full_qmodel_URL(const char *name, char *out) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_web_page_thumbnail_URL(const char *id, char *out) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_file_download(HWND owner, const char *url, const char *file_name) KAVOAPI_NOEXCEPT;
KAVOAPI void *WINAPI qa_file_stream_download(HWND owner, const char *url, int32_t *size) KAVOAPI_NOEXCEPT;
KAVOAPI int16_t WINAPI qa_file_get_content_type(HWND owner, const char *url, char *out,
                                                int32_t out_size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_read_qmodel(const char *name, uint8_t show_message) KAVOAPI_NOEXCEPT;
KAVOAPI void *WINAPI qa_read_qmodel_to_stream(const char *name, uint8_t show_message, int32_t *size) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_release_file_stream(void *stream) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_get_offline_image_full_filename(const char *name, char *out,
                                                          int32_t out_size) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_get_offline_image_full_filename_wsz(const char *name, wchar_t *out,
                                                              int32_t out_size) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_set_image_file_extension_by_contenttype(char *file_name,
                                                               const char *content_type) KAVOAPI_NOEXCEPT;

/* ---- File search, ini file and file dialogs
 * ---------------------------------- qa_findfile looks for name in the three
 * folders of qa_init_paths, in order, and gives 1 with the path in out (300
 * bytes; 300 characters for the w form), or 0 with out empty and, when
 * show_message is nonzero, the message "Cannot find <name>!".  qa_ini_modified
 * reads the unit system setting again.  The dialogs take a filter such as
 * L"Data files|*.dat|" and give 0 with the chosen path in file and its folder
 * in folder (both size bytes), or -1, buffers unchanged, when cancelled or the
 * dialog cannot be shown. */
KAVOAPI int32_t WINAPI qa_findfile(char *out, const char *name, int32_t show_message) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_findfilew(wchar_t *out, const wchar_t *name, int32_t show_message) KAVOAPI_NOEXCEPT;
KAVOAPI void WINAPI qa_ini_modified(void) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_openfile_dlg(HWND owner, const wchar_t *filter, char *folder, char *file, int32_t size,
                                       const wchar_t *title) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_savefile_dlg(HWND owner, const wchar_t *filter, const wchar_t *default_extension,
                                       char *folder, char *file, int32_t size, const wchar_t *title) KAVOAPI_NOEXCEPT;

/* ---- Number formatting and GUIDs -----------------------------------------
 * qa_smart_sprint formats value with `decimals` digits (negative: six),
 * drops insignificant zeros and a bare decimal point, turns "-0" into "0",
 * and returns the length of the text.  A text longer than size - 1 is cut
 * to fit; size is in bytes (UTF-16 units for the w form).
 * qa_create_guid writes 32 upper-case hexadecimal digits and a NUL into out
 * (33 bytes); 0 on success, -1 when the platform could not make a UUID. */
KAVOAPI int32_t WINAPI qa_smart_sprint(char *buffer, int32_t size, double value, int32_t decimals) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_smart_sprintw(wchar_t *buffer, int32_t size, double value,
                                        int32_t decimals) KAVOAPI_NOEXCEPT;
KAVOAPI int32_t WINAPI qa_create_guid(char *out) KAVOAPI_NOEXCEPT;

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_H */
