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

/* ---- Language texts and the qcq database ---------------------------------- */

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

/* ---- Units and unit-aware controls ------------------------------------------ */

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

/* ---- Language texts --------------------------------------------------------- */

/* ---- qcq database ----------------------------------------------------------- */

/* ---- Registry settings and default room ------------------------------------- */

/* ---- List window and header strip ------------------------------------------- */

/* ---- Message boxes ---------------------------------------------------------- */

/* kind 2 asks OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No and returns the button
 * (IDOK, IDCANCEL, IDYES, IDNO); any other kind shows an information box
 * and returns 1.  Without an owner the box is task-modal.  The keyboard
 * focus goes back to where it was (or to the owner). */
KAVOAPI int32_t WINAPI qa_msgbox(HWND owner, uint32_t kind, const char *text);

/* ---- Memo rows, popup menus, tooltips and the hint window -------------------- */

/* ---- Fonts and pens --------------------------------------------------------- */

/* ---- Labels, lines and tables ----------------------------------------------- */

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
KAVOAPI void *WINAPI qa_dib_read(const char *file_name);
KAVOAPI void WINAPI qa_dib_release(void *dib);
KAVOAPI void WINAPI qa_dib_get_size(const void *dib, int32_t *width, int32_t *height);
KAVOAPI int32_t WINAPI qa_dib_draw(HDC hdc, const void *dib, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t fit);
KAVOAPI int32_t WINAPI qa_dib_draw_file(HDC hdc, const char *file_name, int32_t x, int32_t y, int32_t w,
                                        int32_t h, int32_t unused);
/* The bitmap's colour table as a palette (the caller deletes it); null for
 * core headers and bitmaps without a table. */
KAVOAPI HPALETTE WINAPI qa_dib_create_palette(const void *dib);
/* Puts the bitmap and its palette on the clipboard and gives the result of
 * CloseClipboard; 1 without copying for a core header, 0 for more than 256
 * colours or a bad block. */
KAVOAPI int32_t WINAPI qa_dib_to_clipboard(HWND owner, const void *dib);
/* The "QBMPWND" window class; 0 always.  gdi_bmpctrl_setbmp shows an image
 * file of any format GDI+ reads in the control (null or "" clears it); fit
 * scales it into the control. */
KAVOAPI int32_t WINAPI gdi_bmpw_registerclass(HINSTANCE instance);
KAVOAPI void WINAPI gdi_bmpctrl_setbmp(HWND dialog, int32_t control_id, const char *file_name, int32_t fit);
KAVOAPI void WINAPI gdi_bmpctrl_set_white_bkg(HWND dialog, int32_t control_id);
/* The first image of a GIF file (no extension block before it, no local
 * colour table) as an 8-bit bitmap; null on failure, with a message. */
KAVOAPI void *WINAPI qa_gif_read_dib(const char *file_name);

/* ---- Download ---------------------------------------------------------------- */

/* ---- File search, ini file and file dialogs ---------------------------------- */

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
