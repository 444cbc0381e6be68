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
 * with any compiler agree with the module on its layout.
 *
 * Records and the functions are kept in two guarded sections: the records
 * need nothing but <stdint.h>, so portable code may include this header with
 * KAVOAPI_RECORDS_ONLY defined and get the records without <windows.h>.
 */

#ifndef KAVOAPI_RECORDS_INCLUDED
#define KAVOAPI_RECORDS_INCLUDED

#include <stdint.h>

#if defined(__cplusplus)
#define KAVOAPI_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define KAVOAPI_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#if defined(__cplusplus)
extern "C" {
#endif

#pragma pack(push, 1)

/* ---- Design data buffers ------------------------------------------------ */

/* A date as the design data carries it; all three zero means "no date".
 * As text it reads "dd.mm.yyyy". */
typedef struct varbuf_date {
    uint8_t day;
    uint8_t month;
    uint16_t year;
} varbuf_date;

KAVOAPI_STATIC_ASSERT(sizeof(varbuf_date) == 4, "varbuf_date is 4 bytes");

/* ---- Design data records ------------------------------------------------ */

/* ---- Drawing data, product parameters and accessories -------------------- */

/* ---- Unit systems -------------------------------------------------------- */

/* A registry key of the module's settings, filled by qareg_init: the key
 * path below the root key and the name of one value in that key. */
typedef struct qareg_key {
    char path[300];
    char valueName[300];
} qareg_key;

KAVOAPI_STATIC_ASSERT(sizeof(qareg_key) == 600, "qareg_key is 600 bytes");

/* ---- Language texts and the qcq database ---------------------------------- */

/* A growable array in a movable global memory block: count elements of
 * elemSize bytes at data.  qlg_get_all_languages appends text pointers,
 * each text in a block of its own. */
typedef struct gwarray {
    void *data;
    int32_t count;
    int32_t elemSize;
} gwarray;
#if UINTPTR_MAX == 0xFFFFFFFFu
KAVOAPI_STATIC_ASSERT(sizeof(gwarray) == 12, "gwarray is 12 bytes on 32-bit");
#endif

/* ---- List window ---------------------------------------------------------- */

/* ---- Graphics and images -------------------------------------------------- */

/* ---- Download ------------------------------------------------------------- */

#pragma pack(pop)

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_RECORDS_INCLUDED */

#if !defined(KAVOAPI_RECORDS_ONLY) && !defined(KAVOAPI_FUNCTIONS_INCLUDED)
#define KAVOAPI_FUNCTIONS_INCLUDED

#include <windows.h>

/* The module itself defines KAVOAPI_BUILDING; hosts import. */
#if defined(KAVOAPI_BUILDING)
#define KAVOAPI
#else
#define KAVOAPI __declspec(dllimport)
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
KAVOAPI int32_t WINAPI qa_varbuf_write_sz(char *buffer, const char *key, const char *value, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_flo(char *buffer, const char *key, float value, int32_t decimals, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_sho(char *buffer, const char *key, int16_t value, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_date(char *buffer, const char *key, const varbuf_date *date, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_find_sz(const char *buffer, const char *key, char *out, int32_t out_size);
KAVOAPI int32_t WINAPI qa_varbuf_find_flo(const char *buffer, const char *key, float *out);
KAVOAPI int32_t WINAPI qa_varbuf_find_sho(const char *buffer, const char *key, int16_t *out);
KAVOAPI int32_t WINAPI qa_varbuf_find_date(const char *buffer, const char *key, varbuf_date *out);

/* ---- Design data records and codecs --------------------------------------- */

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
KAVOAPI void WINAPI unit_set_system(const char *name);
KAVOAPI int32_t WINAPI unit_get_system(void);
KAVOAPI float WINAPI unit_trans(int32_t property, float value, int32_t to_base);
KAVOAPI float WINAPI v_tr(int32_t property, float value, int32_t to_base);
KAVOAPI float WINAPI v_fit(int32_t property, float value, int32_t mode);
KAVOAPI float WINAPI unit_active_room_attenuation(void);
KAVOAPI void WINAPI unit_get_label(int32_t property, char *out);
KAVOAPI int32_t WINAPI unit_get_label_wsz(int32_t property, wchar_t *out, int32_t out_bytes);
KAVOAPI int32_t WINAPI unit_get_ndes(int32_t property);
KAVOAPI void WINAPI unit_set_sz(char *out, int32_t property, float value, int16_t with_label);
KAVOAPI void WINAPI unit_set_wsz(wchar_t *out, int32_t out_chars, int32_t property, float value, int16_t with_label);
KAVOAPI char *WINAPI v_tosz(int32_t property, float value, int32_t decimals, char *out);
KAVOAPI int32_t WINAPI unit_sz_inch_to_mm(char *text);
KAVOAPI int32_t WINAPI unit_sz_mm_to_inch(char *text);
KAVOAPI int32_t WINAPI unit_set_edit(HWND dialog, int32_t edit_id, int32_t label_id, int32_t property, float value);
KAVOAPI int32_t WINAPI unit_set_static(HWND dialog, int32_t value_id, int32_t label_id, int32_t property, float value);
KAVOAPI int32_t WINAPI unit_set_static_label(HWND dialog, int32_t label_id, int32_t property);
KAVOAPI int32_t WINAPI unit_get_edit(HWND dialog, int32_t edit_id, int32_t property, float *out, float minimum,
                                     float maximum, int32_t warn);

/* ---- Module settings -----------------------------------------------------
 * qa_init_paths stores the application title (cut to 79 characters), the
 * three folders searched for files and the ini file path (each cut to 299
 * characters), then reads the unit system setting.
 * qa_getinifilename copies the ini file path into out, which must hold at
 * least 300 bytes.  The registry branch name is cut to 99 characters. */
KAVOAPI void WINAPI qa_init_paths(const char *title, const char *dir1, const char *dir2, const char *dir3,
                                  const char *ini_file);
KAVOAPI void WINAPI qa_getinifilename(char *out);
KAVOAPI int16_t WINAPI qa_set_adminmode(int16_t mode);
KAVOAPI int16_t WINAPI qa_get_adminmode(void);
KAVOAPI void WINAPI qareg_set_kavo_branch_name(const char *name);

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
KAVOAPI int32_t WINAPI qlg_init(const char *file1, const char *file2);
KAVOAPI void WINAPI qlg_release(void);
KAVOAPI int16_t WINAPI qlg_openDOS(void);
KAVOAPI void WINAPI qlg_closeDOS(void);
KAVOAPI void WINAPI qlg_closeDOStotally(void);
KAVOAPI int16_t WINAPI qlg_set_language(const char *name);
KAVOAPI int16_t WINAPI qlg_get_language_id(void);
KAVOAPI void WINAPI qlg_get_all_languages(gwarray *names);
KAVOAPI int16_t WINAPI qlg_attId_for_sapLng(const char *sap_language);
KAVOAPI char *WINAPI qlg_copy(char *out, int32_t text_id, int32_t size);
KAVOAPI wchar_t *WINAPI qlg_copy_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes);
KAVOAPI char *WINAPI qlg_copy_saplng(char *out, int32_t text_id, int32_t size, const char *sap_language);
KAVOAPI wchar_t *WINAPI qlg_copy_saplng_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                           const char *sap_language);
KAVOAPI char *WINAPI qlg_copy_def(char *out, int32_t text_id, int32_t size, const char *def);
KAVOAPI wchar_t *WINAPI qlg_copy_wsz_def(wchar_t *out, int32_t text_id, int32_t size_bytes, const char *def);
KAVOAPI void WINAPI qlg_copy_columns_def(char *first, char *second, int32_t text_id, int16_t size, const char *def);
KAVOAPI void WINAPI qlg_copy_columns_wsz_def(wchar_t *first, wchar_t *second, int32_t text_id, int16_t size_bytes,
                                            const char *def);
KAVOAPI void WINAPI qlg_setdlgitemname(HWND dialog, int32_t item, int32_t text_id);
KAVOAPI void WINAPI qlg_setdlgitemname_def(HWND dialog, int32_t item, int32_t text_id, const char *def);
KAVOAPI void WINAPI qlg_setdlgitemname_wsz(HWND dialog, int32_t item, int32_t text_id);
KAVOAPI void WINAPI qlg_setdlgitemname_wsz_def(HWND dialog, int32_t item, int32_t text_id, const char *def);
KAVOAPI void WINAPI qlg_set_dlgitem_txts(HWND dialog, const int32_t *pairs, int32_t count);
KAVOAPI void WINAPI qlg_set_dlgitem_wtxts(HWND dialog, const int32_t *pairs, int32_t count);
KAVOAPI void WINAPI qlg_setdlgname(HWND window, int32_t text_id);
KAVOAPI void WINAPI qlg_setdlgname_extra_wsz(HWND window, int32_t text_id, const wchar_t *extra);
KAVOAPI void WINAPI qlg_setdlgname_wsz(HWND window, int32_t text_id);
KAVOAPI int32_t WINAPI qlg_okmsg(HWND owner, int32_t text_id, const char *def);
KAVOAPI int32_t WINAPI qlg_okcancelmsg(HWND owner, int32_t text_id, const char *def);
KAVOAPI void WINAPI qa_sz2wsz_acp(const char *in, wchar_t *out, int32_t out_bytes);
KAVOAPI int32_t WINAPI qa_sz2wsz_byqlg(const char *in, wchar_t *out, int32_t out_bytes);
KAVOAPI void WINAPI qa_wsz2sz_acp(const wchar_t *in, char *out, int32_t out_bytes);

/* ---- qcq database -----------------------------------------------------------
 * A record database of the host's, opened by the module and read by the
 * host through Vantmods_x32.dll with qcq_handle().  qcq_openDOS and
 * qcq_closeDOS nest like the language ones; qcq_open_for_update ends
 * reading first and gives the handle or -1; the host ends the update with
 * qcq_closeDOS or qcq_closeDOStotally. */
KAVOAPI int32_t WINAPI qcq_init(const char *file1, const char *file2);
KAVOAPI void WINAPI qcq_release(void);
KAVOAPI int16_t WINAPI qcq_handle(void);
KAVOAPI int16_t WINAPI qcq_openDOS(void);
KAVOAPI void WINAPI qcq_closeDOS(void);
KAVOAPI void WINAPI qcq_closeDOStotally(void);
KAVOAPI int16_t WINAPI qcq_open_for_update(void);

/* ---- Registry settings and default room -------------------------------------
 * Settings live under HKEY_CURRENT_USER in SOFTWARE\Norvane\<branch>\userProfile
 * (branch "Kavo" unless qareg_set_kavo_branch_name chose another), all as
 * REG_SZ texts.  qareg_get_data empties out, then gives -1 when the key
 * cannot be opened, -2 when the value cannot be read into size bytes (out
 * stays empty), 0 otherwise; qareg_set_data creates the key when needed and
 * gives -1 when it cannot, -2 when the write fails.  The named getters and
 * setters give 0 or -1. */
KAVOAPI void WINAPI qareg_init(const char *company, const char *branch, const char *group, const char *value_name,
                               qareg_key *out);
KAVOAPI int32_t WINAPI qareg_get_data(HKEY root, const qareg_key *key, int32_t size, char *out);
KAVOAPI int32_t WINAPI qareg_set_data(HKEY root, const qareg_key *key, const char *value);
KAVOAPI int32_t WINAPI qareg_get_userprofile_unitsystem(char *out, int32_t size);
KAVOAPI int32_t WINAPI qareg_get_qbase_path(char *out, int32_t size);
KAVOAPI int32_t WINAPI qareg_set_qbase_path(const char *path);
KAVOAPI int32_t WINAPI qareg_set_default_room(const char *text);

/* ---- List window and header strip ------------------------------------------- */

/* ---- Message boxes ---------------------------------------------------------- */

/* kind 2 asks OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No and returns the button
 * (IDOK, IDCANCEL, IDYES, IDNO); any other kind shows an information box
 * and returns 1.  Without an owner the box is task-modal.  The keyboard
 * focus goes back to where it was (or to the owner). */
KAVOAPI int32_t WINAPI qa_msgbox(HWND owner, uint32_t kind, const char *text);
/* The module's own boxes, captioned with the application title.
 * qa_chkmsgbox returns 1 when the check box was ticked at closing, else 0.
 * qa_timedmsgbox closes itself after `seconds` (0: only when closed) with a
 * countdown line, and returns 0.  qa_modeless_timedmsgbox shows the box
 * (tall: the larger one) and returns it; when its time is up it is hidden,
 * and the host destroys it.  -1 (modeless: null) when out of memory. */
KAVOAPI int32_t WINAPI qa_chkmsgbox(HWND owner, const wchar_t *message, const wchar_t *check_text);
KAVOAPI int32_t WINAPI qa_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds);
KAVOAPI HWND WINAPI qa_modeless_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds, uint32_t tall);

/* ---- Memo rows, popup menus, tooltips and the hint window -------------------- */

/* ---- Fonts and pens --------------------------------------------------------- */

/* ---- Labels, lines and tables ----------------------------------------------- */

/* ---- Bitmaps, GIF and metafiles --------------------------------------------- */

/* ---- Download ---------------------------------------------------------------- */

/* ---- File search, ini file and file dialogs ----------------------------------
 * qa_findfile looks for name in the three folders of qa_init_paths, in
 * order, and gives 1 with the path in out (300 bytes; 300 characters for the
 * w form), or 0 with out empty and, when show_message is nonzero, the message
 * "Cannot find <name>!".  qa_ini_modified reads the unit system setting
 * again.  The dialogs take a filter such as L"Data files|*.dat|" and give 0
 * with the chosen path in file and its folder in folder (both size bytes),
 * or -1, buffers unchanged, when cancelled or the dialog cannot be shown. */
KAVOAPI int32_t WINAPI qa_findfile(char *out, const char *name, int32_t show_message);
KAVOAPI int32_t WINAPI qa_findfilew(wchar_t *out, const wchar_t *name, int32_t show_message);
KAVOAPI void WINAPI qa_ini_modified(void);
KAVOAPI int32_t WINAPI qa_openfile_dlg(HWND owner, const wchar_t *filter, char *folder, char *file, int32_t size,
                                       const wchar_t *title);
KAVOAPI int32_t WINAPI qa_savefile_dlg(HWND owner, const wchar_t *filter, const wchar_t *default_extension,
                                       char *folder, char *file, int32_t size, const wchar_t *title);

/* ---- Number formatting and GUIDs -----------------------------------------
 * qa_smart_sprint formats value with `decimals` digits (negative: six),
 * drops insignificant zeros and a bare decimal point, turns "-0" into "0",
 * and returns the length of the text.  A text longer than size - 1 is cut
 * to fit; size is in bytes (UTF-16 units for the w form).
 * qa_create_guid writes 32 upper-case hexadecimal digits and a NUL into out
 * (33 bytes); 0 on success, -1 when the platform could not make a UUID. */
KAVOAPI int32_t WINAPI qa_smart_sprint(char *buffer, int32_t size, double value, int32_t decimals);
KAVOAPI int32_t WINAPI qa_smart_sprintw(wchar_t *buffer, int32_t size, double value, int32_t decimals);
KAVOAPI int32_t WINAPI qa_create_guid(char *out);

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_FUNCTIONS_INCLUDED */
