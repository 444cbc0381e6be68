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

#include <stddef.h> /* offsetof in the layout checks */
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

/* A named font's settings (qafont_get_info); heights in tenths of a mm. */
typedef struct font_info {
    char name[9];
    char face[80];
    char style[4]; /* "B" bold, "I" italic, "U" underline */
    uint16_t height;
    int16_t angle; /* degrees */
    uint8_t opaque;
    uint8_t red, green, blue;
} font_info;
KAVOAPI_STATIC_ASSERT(sizeof(font_info) == 101, "font_info is 101 bytes");
KAVOAPI_STATIC_ASSERT(offsetof(font_info, height) == 93, "font_info.height");
KAVOAPI_STATIC_ASSERT(offsetof(font_info, red) == 98, "font_info.red");

/* A named pen's settings (qapen_get_info); width in tenths of a mm. */
typedef struct pen_info {
    char name[9];
    int16_t style; /* as for CreatePen */
    uint16_t width;
    uint8_t red, green, blue;
} pen_info;
KAVOAPI_STATIC_ASSERT(sizeof(pen_info) == 16, "pen_info is 16 bytes");
KAVOAPI_STATIC_ASSERT(offsetof(pen_info, width) == 11, "pen_info.width");

/* A memo being cut into rows (qat_ functions): the text is not copied and
 * must live while rows are fetched.  font_height > 0 measures rows in
 * pixels of the Arial estimate at that height, else in characters;
 * max_width is the limit in those units.  16 bytes in the 32-bit build. */
typedef struct qat_memoinfo {
    const void *text; /* 8-bit or UTF-16, as initialised */
    int32_t position; /* next character to read */
    int32_t length;
    int16_t font_height;
    int16_t max_width;
} qat_memoinfo;
KAVOAPI_STATIC_ASSERT(sizeof(qat_memoinfo) == sizeof(void *) + 12, "qat_memoinfo has no gaps");
KAVOAPI_STATIC_ASSERT(offsetof(qat_memoinfo, max_width) == sizeof(void *) + 10, "qat_memoinfo.max_width");


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

/* Memo rows: qat_memoinfo_init sets info up on a text (font_height > 0:
 * rows measured in pixels of the Arial estimate, else in characters);
 * each qat_getnextmemorow writes the next row (at most size - 1
 * characters, size at least 2) and gives 1, or an empty row and 0 when the
 * text is used up.  The _wc forms take UTF-16 texts, size in units. */
KAVOAPI void WINAPI qat_memoinfo_init(qat_memoinfo *info, const char *text, uint16_t font_height,
                                      uint16_t max_width);
KAVOAPI void WINAPI qat_memoinfo_init_wc(qat_memoinfo *info, const wchar_t *text, uint16_t font_height,
                                         uint16_t max_width);
KAVOAPI int32_t WINAPI qat_getnextmemorow(qat_memoinfo *info, char *row, uint32_t size);
KAVOAPI int32_t WINAPI qat_getnextmemorow_wc(qat_memoinfo *info, wchar_t *row, uint32_t size);

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
                                    int16_t angle, uint8_t opaque, uint8_t red, uint8_t green, uint8_t blue);
KAVOAPI uint16_t WINAPI qafont_select(HDC hdc, const char *name);
KAVOAPI uint16_t WINAPI qafont_Hmm10(const char *name);
KAVOAPI int32_t WINAPI qafont_get_info(const char *name, font_info *info);
/* Character set of a language name ("Swiss-Russian": 204) and its code
 * page when the platform has it (else 0). */
KAVOAPI uint16_t WINAPI qafont_get_charsetID(const char *language);
KAVOAPI uint32_t WINAPI qafont_codepage_for_charset(uint16_t charset);
/* The system font (pixel heights): for a language of the default character
 * set the platform's GUI font serves.  Making it again releases the named
 * fonts. */
KAVOAPI HFONT WINAPI qafont_create_systemfont(int32_t height, int32_t weight, const char *face,
                                              const char *language);
KAVOAPI HFONT WINAPI qafont_get_systemfont(void);
KAVOAPI uint16_t WINAPI qafont_get_systemfont_cset(void);
KAVOAPI void WINAPI qafont_release_systemfont(void);
/* New fonts that the caller deletes. */
KAVOAPI HFONT WINAPI qafont_create_pixelfont(int32_t height, int32_t weight, const char *face,
                                             const char *language);
KAVOAPI HFONT WINAPI qafont_create_gui_font(int32_t height, int32_t weight);
KAVOAPI uint16_t WINAPI qafont_init_qcq_charset(const char *language);
KAVOAPI uint16_t WINAPI qafont_qcq_charset(void);
KAVOAPI HFONT WINAPI qafont_create_qcqTablefont(int32_t height, int32_t weight, const char *face);
/* Estimated width of a text in Arial at a height: each character's
 * rounded-up advance, summed. */
KAVOAPI uint16_t WINAPI qafont_cxpix_arial(const char *text, uint16_t height);
KAVOAPI uint16_t WINAPI qafont_cxpix_arial_wc(const wchar_t *text, uint16_t height);
KAVOAPI int32_t WINAPI qapen_check(const char *name, int16_t style, uint16_t width, uint8_t red, uint8_t green,
                                   uint8_t blue);
KAVOAPI uint16_t WINAPI qapen_select(HDC hdc, const char *name);
KAVOAPI uint16_t WINAPI qapen_Wmm10(const char *name);
KAVOAPI int32_t WINAPI qapen_get_info(const char *name, pen_info *info);
/* Gives every direct child of the dialog the system font. */
KAVOAPI void WINAPI qa_setdlgfont(HWND dialog);

/* ---- Labels, lines and tables ----------------------------------------------- */

/* Draws a label with the named fonts: "@t" raises the following text in the
 * small font, "@b" lowers it, "@@" returns to the main font, "@d" draws a
 * delta sign with the selected pen.  align is set with SetTextAlign and
 * stays.  Gives the main font's height (0 when it is not in the table).
 * qa_drawlabelw takes the same 8-bit text in code page 1252 and draws it
 * with the wide text calls. */
KAVOAPI uint16_t WINAPI qa_drawlabel(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                     const char *small_font, int32_t align);
KAVOAPI uint16_t WINAPI qa_drawlabelw(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                      const char *small_font, int32_t align);
/* A line with a named pen (the stock black pen for an unknown name). */
KAVOAPI int32_t WINAPI qa_drawline(HDC hdc, int16_t x1, int16_t y1, int16_t x2, int16_t y2, const char *pen);
/* A ruled table of rows x columns cells with the grid pen, framed with the
 * frame pen; gives the result of the last frame stroke. */
KAVOAPI int32_t WINAPI qa_drawtable(HDC hdc, int16_t x, int16_t y, int32_t column_width, int32_t row_height,
                                    int16_t rows, int16_t columns, const char *grid_pen, const char *frame_pen);

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
/* Placeable metafiles.  qa_wmf_read gives a metafile handle (the caller
 * deletes it with DeleteMetaFile) and the aspect ratio height / width of
 * its bounding box (1.0 when it cannot tell); 0 on failure, with a message
 * except when the file cannot be opened.  qa_wmf_draw plays it into the
 * rectangle and restores the mapping of hdc.  qa_wmf_to_clipboard puts a
 * copy on the clipboard with a size in tenths of a millimetre; it gives the
 * result of CloseClipboard, or 1 after a failure message. */
KAVOAPI HMETAFILE WINAPI qa_wmf_read(const char *file_name, float *aspect);
KAVOAPI int32_t WINAPI qa_wmf_draw(HDC hdc, HMETAFILE metafile, int32_t left, int32_t top, int32_t right,
                                   int32_t bottom);
KAVOAPI int32_t WINAPI qa_wmf_to_clipboard(HMETAFILE metafile, int32_t width, int32_t height);

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
