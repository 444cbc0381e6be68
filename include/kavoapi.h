/**
 * @file kavoapi.h
 * @brief Public interface of KavoApi.dll.
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
 *
 * Each group below (see Modules) states the rules its functions share once;
 * each function then gives its arguments, results, the messages it can show
 * and who owns what it hands out.
 */

#ifndef KAVOAPI_H
#define KAVOAPI_H

#include <windows.h>

#include "kavoapi_records.h"

/** @cond INTERNAL */
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
/** @endcond */

#if defined(__cplusplus)
extern "C" {
#endif

/**
 * @defgroup varbuf Design data buffers
 * @brief Items of a design data text: write and find one key at a time.
 *
 * A design data text is an 8-bit NUL-terminated text of "KEY=value" items
 * joined by "|", in a buffer owned by the caller.  Sizes are in bytes and
 * count the terminating NUL.
 *
 * Writers append one item and return 0 (written, or nothing to write
 * because the value is empty), -1 (empty key) or -2 (the item does not fit,
 * or a key and value longer than 299 characters; the buffer is left
 * unchanged).  Finders match whole keys only and return 1 (found),
 * 0 (not found), -1 (malformed item or not a number) or -2 (value too long
 * for out).  None of them shows a message.
 * @{
 */

/**
 * Appends the item key=value.
 * @param buffer the design data text, changed in place
 * @param key item key
 * @param value item value; an empty value writes nothing
 * @param size bytes of buffer
 * @return 0, -1 or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_sz(char *buffer, const char *key, const char *value,
                                          int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Appends a number with a fixed count of decimals.
 * @param buffer the design data text, changed in place
 * @param key item key
 * @param value the number
 * @param decimals digits after the decimal point
 * @param size bytes of buffer
 * @return 0, -1 or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_flo(char *buffer, const char *key, float value, int32_t decimals,
                                           int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Appends a whole number.
 * @param buffer the design data text, changed in place
 * @param key item key
 * @param value the number
 * @param size bytes of buffer
 * @return 0, -1 or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_sho(char *buffer, const char *key, int16_t value,
                                           int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Appends a date as "dd.mm.yyyy".
 * @param buffer the design data text, changed in place
 * @param key item key
 * @param date the date
 * @param size bytes of buffer
 * @return 0, -1 or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_date(char *buffer, const char *key, const varbuf_date *date,
                                            int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Copies the value of a key.
 * @param buffer the design data text
 * @param key the key to find
 * @param[out] out the value, NUL-terminated
 * @param out_size bytes of out
 * @return 1, 0, -1 or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_find_sz(const char *buffer, const char *key, char *out,
                                         int32_t out_size) KAVOAPI_NOEXCEPT;
/**
 * Reads the value of a key as a number (decimal point or comma).
 * @param buffer the design data text
 * @param key the key to find
 * @param[out] out the number; 0 when none was read
 * @return 1, 0, -1 (not a number) or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_find_flo(const char *buffer, const char *key, float *out) KAVOAPI_NOEXCEPT;
/**
 * Reads the value of a key as a whole number.
 * @param buffer the design data text
 * @param key the key to find
 * @param[out] out the number; 0 when none was read
 * @return 1, 0, -1 (not a number) or -2 as the group says
 */
KAVOAPI int32_t WINAPI qa_varbuf_find_sho(const char *buffer, const char *key, int16_t *out) KAVOAPI_NOEXCEPT;
/**
 * Reads a "dd.mm.yyyy" date.
 * @param buffer the design data text
 * @param key the key to find
 * @param[out] out the date, changed only when one was read
 * @return 0 both when a date was read and when the key is absent; -1 for a
 *         malformed item or not a date; -2 value too long
 */
KAVOAPI int32_t WINAPI qa_varbuf_find_date(const char *buffer, const char *key, varbuf_date *out) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup varbuf_records Design data records and codecs
 * @brief Rooms, installations, product modules, whole designs, drawing data
 *        and product parameters to and from design data texts.
 *
 * Readers clear the record they fill (the O/E values of a design excepted)
 * and look every key up by name; writers append items to the text, never
 * clear it (the design writer excepted), and leave out items that no longer
 * fit.  Bounds are hard limits in both directions: INR and INC above 19 are
 * taken as 19, INT + INV + INW above 50 as 50, and texts are cut to their
 * fields, so nothing is ever written outside a record or a text buffer.
 * Records and texts belong to the caller; sizes are bytes with the NUL.
 * None of these functions shows a message.
 *
 * Record fields are named after the keys they carry (room.rcd holds RCD).
 * A state field is set by a reader when the group of keys it guards was
 * found (3, or 1 in oe_data; 0 absent), and writers as a rule write the
 * group only when it is above 0.  The host areas (host1 ...) are the host's
 * bytes: the module only clears them when it clears the whole record.
 * @{
 */

/**
 * Reads a room; without a usable RAC it gets the "Average" absorption
 * class (RAC and RA0..RA7).
 * @param[out] r the room, cleared first
 * @param text the design data text
 * @return the result of finding RRT: 1 read; 0, -1 or -2 as
 *         qa_varbuf_find_sho gives it
 */
KAVOAPI int32_t WINAPI qa_varbuf_read_room(room *r, const char *text) KAVOAPI_NOEXCEPT;
/**
 * Appends a room's items.
 * @param r the room
 * @param text the design data text, appended to
 * @param size bytes of text
 * @return the result of writing RRT, its last item (0, -1 or -2)
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_room(const room *r, char *text, int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Reads an installation.
 * @param[out] inst the installation, cleared first
 * @param text the design data text
 * @return 1, or 0 with a cleared record when one of IMP, IIH, INR, INC, ILN,
 *         IVP, IVL, INT is missing or bad
 */
KAVOAPI int32_t WINAPI qa_varbuf_read_installation(installation *inst, const char *text) KAVOAPI_NOEXCEPT;
/**
 * Appends an installation's items.
 * @param inst the installation
 * @param text the design data text, appended to
 * @param size bytes of text
 * @return the result of writing its last item (0, -1 or -2)
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_installation(const installation *inst, char *text,
                                                    int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Appends a beam module's items: the S case's groups when s_case is set,
 * the W case's when w_case is (low 16 bits).
 * @param beam the module
 * @param s_case nonzero: write the S (cooling) case
 * @param w_case nonzero: write the W (heating) case
 * @param text the design data text, appended to
 * @param size bytes of text
 * @return 0
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_beam(const beam_module *beam, int16_t s_case, int16_t w_case, char *text,
                                            int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Appends a panel module's items, as qa_varbuf_write_beam.
 * @param panel the module
 * @param s_case nonzero: write the S case
 * @param w_case nonzero: write the W case
 * @param text the design data text, appended to
 * @param size bytes of text
 * @return 0
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_panel(const panel_module *panel, int16_t s_case, int16_t w_case, char *text,
                                             int32_t size) KAVOAPI_NOEXCEPT;

/**
 * Reads a whole design: O/E data, room, installation, surfaces and the
 * first product kind present, tagged with design_id, and its summary.  The
 * product goes into beams[0] or panels[0] (or m_data, d_data), whatever
 * module_index is.
 * @param design the design, cleared first (its O/E values excepted)
 * @param text the design data text
 * @return 1 when a product was read; 0 when the room, the installation or
 *         every product kind is missing
 */
KAVOAPI int32_t WINAPI qa_varbuf_read_designdata(designdata *design, const char *text) KAVOAPI_NOEXCEPT;
/**
 * Writes a whole design into text (emptied first): the sub-records tagged
 * with design_id, in the order O/E data, room, identity data, installation,
 * H values, surfaces, U values, product.
 * @param design the design
 * @param[out] text the design data text
 * @param size bytes of text
 * @return 0 written; -1 nothing to write (a design whose installation is
 *         tagged but no product is writes an empty text)
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_designdata(const designdata *design, char *text,
                                                  int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Adds one beam module read from text at module_count (at most 6 modules).
 * @param design the design
 * @param clear nonzero: clear the design's records and module count first
 * @param with_room nonzero: also read the room, installation and U values,
 *        and fill the summary
 * @param module_tag not empty: tag the module with it and read nothing
 * @param case_tag the tag given to the S and W cases that were read
 * @param text the design data text
 * @return 1 a module was added; 0 not
 */
KAVOAPI int32_t WINAPI qa_varbuf_beam_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                           const char *module_tag, const char *case_tag,
                                                           const char *text) KAVOAPI_NOEXCEPT;
/**
 * Adds one panel module read from text (at most 2 modules), as
 * qa_varbuf_beam_module_to_designdata without a module tag or U values.
 * @param design the design
 * @param clear nonzero: clear the design's records and module count first
 * @param with_room nonzero: also read the room and installation, and fill
 *        the summary
 * @param case_tag the tag given to the S and W cases that were read
 * @param text the design data text
 * @return 1 a module was added; 0 not
 */
KAVOAPI int32_t WINAPI qa_varbuf_panel_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                            const char *case_tag, const char *text) KAVOAPI_NOEXCEPT;

/**
 * Reads drawing data: stores tag and collects the "_" items (keys
 * upper-cased, at most 40; keys cut to 4 and values to 10 characters).
 * @param[out] drawing the drawing data, cleared first
 * @param tag the drawing's tag
 * @param text the design data text
 */
KAVOAPI void WINAPI qa_varbuf_read_drawingdata(drawingdata *drawing, const char *tag,
                                               const char *text) KAVOAPI_NOEXCEPT;
/**
 * Appends drawing data's items.
 * @param drawing the drawing data
 * @param text the design data text, appended to
 * @param size bytes of text
 */
KAVOAPI void WINAPI qa_varbuf_write_drawingdata(const drawingdata *drawing, char *text,
                                                int32_t size) KAVOAPI_NOEXCEPT;

/**
 * Copies the value of a product parameter.
 * @param entries the parameter list (at most 40 entries)
 * @param count entries in use
 * @param key the key, ignoring case
 * @param[out] out the value: at most 10 characters and a NUL
 * @return 0 found; -1 count below 1 or key not found
 */
KAVOAPI int32_t WINAPI qa_get_propar(const propar_entry *entries, int16_t count, const char *key,
                                     char *out) KAVOAPI_NOEXCEPT;
/**
 * Sets a product parameter: replaces the value of an equal key (ignoring
 * case) or appends an entry; keys are cut to 4 and values to 10 characters,
 * and entries beyond 40 are dropped.
 * @param entries the parameter list (40 entries)
 * @param[in,out] count entries in use, raised when one is appended
 * @param key the key
 * @param value the value
 */
KAVOAPI void WINAPI qa_set_propar(propar_entry *entries, int16_t *count, const char *key,
                                  const char *value) KAVOAPI_NOEXCEPT;
/**
 * Writes a parameter text: the pairs as items, then "AC=" with the
 * accessory list when it is not empty.
 * @param entries the parameter list
 * @param accessories the accessory list, codes joined by ","
 * @param count entries in use
 * @param[out] text the parameter text
 * @param size bytes of text
 * @return 0; -1 for a count of 0 (empty text); -2 when a pair or the
 *         accessory item does not fit (the pairs written before stay)
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_params_ex(const propar_entry *entries, const char *accessories, uint16_t count,
                                                 char *text, uint32_t size) KAVOAPI_NOEXCEPT;
/**
 * qa_varbuf_write_params_ex on a design's parameter and accessory lists.
 * @param design the design
 * @param[out] text the parameter text
 * @param size bytes of text
 * @return as qa_varbuf_write_params_ex
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_params(const designdata *design, char *text, uint32_t size) KAVOAPI_NOEXCEPT;
/**
 * qa_varbuf_write_params_ex on a beam module's lists.
 * @param beam the module
 * @param[out] text the parameter text
 * @param size bytes of text
 * @return as qa_varbuf_write_params_ex
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_bm_params(const beam_module *beam, char *text, uint32_t size) KAVOAPI_NOEXCEPT;
/**
 * Fills a design's parameter and accessory lists from a parameter text
 * (despite its name, it reads).
 * @param design the design
 * @param text the parameter text
 * @return 0 read; -1 for an empty text (design unchanged)
 */
KAVOAPI int32_t WINAPI qa_varbuf_write_md_params(designdata *design, const char *text) KAVOAPI_NOEXCEPT;
/**
 * Joins three parameter texts into one.
 * @param first parameter text
 * @param second parameter text
 * @param third parameter text
 * @param[out] out the joined text; the caller sizes it for all three texts,
 *        two separators and a NUL: it is trusted
 */
KAVOAPI void WINAPI qa_ext_params_to_szv(const char *first, const char *second, const char *third,
                                         char *out) KAVOAPI_NOEXCEPT;
/**
 * Finds a key in three joined parameter texts (cut to 799 characters).
 * @param first parameter text
 * @param second parameter text
 * @param third parameter text
 * @param key the key to find
 * @param[out] out the value
 * @param out_size bytes of out
 * @return as qa_varbuf_find_sz
 */
KAVOAPI int32_t WINAPI qa_find_ext_param_value(const char *first, const char *second, const char *third,
                                               const char *key, char *out, int32_t out_size) KAVOAPI_NOEXCEPT;
/**
 * Tells whether a design's accessory list holds a code.
 * @param design the design
 * @param code the accessory code, case-sensitive
 * @return 1 chosen; 0 not
 */
KAVOAPI int32_t WINAPI qa_is_accessory_set(const designdata *design, const char *code) KAVOAPI_NOEXCEPT;
/**
 * Tells whether an accessory list ("A1,B2") holds a code; at most 9
 * characters of each entry are compared.
 * @param list codes joined by ","
 * @param code the accessory code, case-sensitive
 * @return 1 chosen; 0 not (also for an empty list)
 */
KAVOAPI int32_t WINAPI qa_is_accessory_set_sz(const char *list, const char *code) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup units Units and unit-aware controls
 * @brief Unit systems, conversion between base and display units,
 *        formatting with labels, and edit and static controls that show
 *        values in the current system.
 *
 * Unit systems: 0 "SI", 1 "EURO", 2 "EUROSPE", 3 "NORDIC" (the default),
 * 4 "US".  Values are floats in the base units the hosts compute in.
 * unit_trans takes the property ids 10 to 32, v_tr and v_fit the older ids
 * 0, 1, 3 to 12, 14, 101, 102 (v_tosz also 100: feet and inches).  A
 * to_base argument nonzero (only its low byte counts) converts display
 * units back to base units.
 *
 * An unknown id shows an information message without an owner window and
 * leaves the value or text as it was: "Unknown unit transformation
 * (Sys=%hd, Prop=%d)" from unit_trans, "Unknown unit transform request!"
 * from v_tr, v_fit and v_tosz, "Unknown unit property (%d)" from the label
 * functions, "Unknown property (%d) for current unitsystem" from
 * unit_get_ndes.
 *
 * Labels are Windows-1252 texts of at most 21 characters (an 8-bit label
 * buffer holds 22 bytes) and may carry the label markup `@t`, `@b`, `@@`
 * (see qa_drawlabel): `"W/m@t2@@"` is W/m&sup2;.
 * @{
 */

/**
 * Chooses the unit system: the last of the five names found in the text
 * (case-insensitive, at most 99 characters; "eurospe" gives 2).
 * @param name text naming a system; a text naming none changes nothing
 */
KAVOAPI void WINAPI unit_set_system(const char *name) KAVOAPI_NOEXCEPT;
/**
 * Gives the current unit system.
 * @return 0 to 4
 */
KAVOAPI int32_t WINAPI unit_get_system(void) KAVOAPI_NOEXCEPT;
/**
 * Converts a value of property ids 10 to 32 between base and display units.
 * @param property property id
 * @param value the value
 * @param to_base 0: base to display; nonzero: display to base
 * @return the converted value; value unchanged after the message for an
 *         unknown id
 */
KAVOAPI float WINAPI unit_trans(int32_t property, float value, int32_t to_base) KAVOAPI_NOEXCEPT;
/**
 * Converts a value of the older property ids (0, 1, 3 to 12, 14, 101, 102).
 * @param property property id
 * @param value the value
 * @param to_base 0: base to display; nonzero: display to base
 * @return the converted value; value unchanged after the message for an
 *         unknown id
 */
KAVOAPI float WINAPI v_tr(int32_t property, float value, int32_t to_base) KAVOAPI_NOEXCEPT;
/**
 * Rounds a base value to two significant digits in display units.
 * @param property a v_tr property id
 * @param value the value in base units; 0 or below comes back unchanged
 * @param mode -1 rounds down, 0 to nearest, 1 up
 * @return the rounded value in base units
 */
KAVOAPI float WINAPI v_fit(int32_t property, float value, int32_t mode) KAVOAPI_NOEXCEPT;
/**
 * Gives the active room attenuation of the current system.
 * @return 8.0 in system 1, 10.0 in system 4, else 4.0
 */
KAVOAPI float WINAPI unit_active_room_attenuation(void) KAVOAPI_NOEXCEPT;
/**
 * Copies the unit label of a property in the current system.
 * @param property property id
 * @param[out] out the label, 22 bytes; untouched for an unknown id
 */
KAVOAPI void WINAPI unit_get_label(int32_t property, char *out) KAVOAPI_NOEXCEPT;
/**
 * The unit label as UTF-16 (empty for an unknown id).
 * @param property property id
 * @param[out] out the label
 * @param out_bytes bytes of out
 * @return UTF-16 units written with the terminator; 0 on failure
 */
KAVOAPI int32_t WINAPI unit_get_label_wsz(int32_t property, wchar_t *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;
/**
 * Gives the decimals a property is shown with in the current system.
 * @param property property id 10 to 31
 * @return the count of decimals; 0 after the message for other ids
 */
KAVOAPI int32_t WINAPI unit_get_ndes(int32_t property) KAVOAPI_NOEXCEPT;
/**
 * Formats a base value in display units with its decimals, as "12.5" or,
 * with the label, "12.5 m/s".
 * @param[out] out the text; the caller gives room for the number and label
 * @param property property id
 * @param value the value in base units
 * @param with_label nonzero: a blank and the label follow the number
 */
KAVOAPI void WINAPI unit_set_sz(char *out, int32_t property, float value, int16_t with_label) KAVOAPI_NOEXCEPT;
/**
 * unit_set_sz in UTF-16.
 * @param[out] out the text
 * @param out_chars UTF-16 units of out, with the terminator
 * @param property property id
 * @param value the value in base units
 * @param with_label nonzero: a blank and the label follow the number
 */
KAVOAPI void WINAPI unit_set_wsz(wchar_t *out, int32_t out_chars, int32_t property, float value,
                                 int16_t with_label) KAVOAPI_NOEXCEPT;
/**
 * Formats a value given with a v_tr property id; in the US system id 100
 * writes feet and inches (5'7'').
 * @param property a v_tr property id, or 100
 * @param value the value in base units
 * @param decimals digits after the decimal point
 * @param[out] out the text; untouched after the message for an unknown id
 * @return out
 */
KAVOAPI char *WINAPI v_tosz(int32_t property, float value, int32_t decimals, char *out) KAVOAPI_NOEXCEPT;
/**
 * Rewrites a number of inches in place as whole millimetres.
 * @param[in,out] text the number; room for 42 bytes of result
 * @return 0; -1 when the text holds no number (text unchanged)
 */
KAVOAPI int32_t WINAPI unit_sz_inch_to_mm(char *text) KAVOAPI_NOEXCEPT;
/**
 * Rewrites a number of millimetres in place as whole inches.
 * @param[in,out] text the number; room for 42 bytes of result
 * @return 0; -1 when the text holds no number (text unchanged)
 */
KAVOAPI int32_t WINAPI unit_sz_mm_to_inch(char *text) KAVOAPI_NOEXCEPT;
/**
 * Shows a base value in display units in an edit control (limited to 16
 * characters) and its label in a static control.
 * @param dialog the dialog
 * @param edit_id the edit control
 * @param label_id the label control; below 1: none
 * @param property property id
 * @param value the value in base units
 * @return with a label, the result of setting it (nonzero on success);
 *         without, 0
 */
KAVOAPI int32_t WINAPI unit_set_edit(HWND dialog, int32_t edit_id, int32_t label_id, int32_t property,
                                     float value) KAVOAPI_NOEXCEPT;
/**
 * unit_set_edit for a static control (no length limit).
 * @param dialog the dialog
 * @param value_id the control showing the value
 * @param label_id the label control; below 1: none
 * @param property property id
 * @param value the value in base units
 * @return the result of setting the last text, the label's when there is
 *         one (nonzero on success)
 */
KAVOAPI int32_t WINAPI unit_set_static(HWND dialog, int32_t value_id, int32_t label_id, int32_t property,
                                       float value) KAVOAPI_NOEXCEPT;
/**
 * Shows a property's unit label in a dialog control.
 * @param dialog the dialog
 * @param label_id the label control
 * @param property property id
 * @return the result of SetDlgItemTextA
 */
KAVOAPI int32_t WINAPI unit_set_static_label(HWND dialog, int32_t label_id, int32_t property) KAVOAPI_NOEXCEPT;
/**
 * Reads a typed value (decimal comma or point) from an edit control and
 * checks it against a range, give or take one part in a thousand.  Out of
 * range, with warn 2 or more it shows the range in display units,
 * "%0.*f ... %0.*f %s" with the label (as "0.5 ... 2.0 m/s"), owned by
 * dialog.
 * @param dialog the dialog
 * @param edit_id the edit control
 * @param property property id
 * @param[out] out the value in base units; untouched on failure
 * @param minimum lowest value, base units
 * @param maximum highest value, base units
 * @param warn 0: silent; 1: a beep; 2 or more: the message; either sign
 *        moves the focus to the edit control
 * @return 0; -1 when the text is no number or out of range
 */
KAVOAPI int32_t WINAPI unit_get_edit(HWND dialog, int32_t edit_id, int32_t property, float *out, float minimum,
                                     float maximum, int32_t warn) KAVOAPI_NOEXCEPT;

/**
 * The room absorption dialog, modal over parent: the class (0 "Dead" to
 * 4 "Live", 5 "User defined") and the coefficients of the eight octave
 * bands 63 Hz to 8 kHz.  Choosing a standard class shows its built-in
 * values; only the user class's values can be typed, each from 0.01 to 1
 * (comma or point): OK with a value outside shows "0.01 ... 1.00 !" owned
 * by the dialog and keeps it open.  The user class shows the values given
 * at the call when the class given is 5, zeros otherwise.
 * @param parent owner of the dialog
 * @param[in,out] absorption_class the class, written on OK
 * @param[in,out] coefficients 8 floats, written on OK
 * @return 0 on OK; -1 on Cancel or when the dialog cannot be shown
 *         (nothing changed)
 */
KAVOAPI int32_t WINAPI qa_absorption_dlg(HWND parent, int16_t *absorption_class,
                                         float *coefficients) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup settings Module settings
 * @brief The application title, search folders, ini file, administrator
 *        mode and registry branch that the module keeps until it is
 *        unloaded.
 *
 * A host sets these up once after loading the module; a second call simply
 * overwrites them.  None of these functions shows a message.
 * @{
 */

/**
 * Stores the application title (caption of the module's dialogs and
 * language messages), the three folders searched for files and the ini
 * file path, then reads the unit system setting (registry value
 * "unitSystem", else the ini key "Units" of section "SETTINGS").
 * @param title application title, cut to 79 characters
 * @param dir1 first search folder, cut to 299 characters
 * @param dir2 second search folder, cut to 299 characters
 * @param dir3 third search folder, cut to 299 characters
 * @param ini_file the host's ini file, cut to 299 characters
 */
KAVOAPI void WINAPI qa_init_paths(const char *title, const char *dir1, const char *dir2, const char *dir3,
                                  const char *ini_file) KAVOAPI_NOEXCEPT;
/**
 * Copies the ini file path.
 * @param[out] out at least 300 bytes
 */
KAVOAPI void WINAPI qa_getinifilename(char *out) KAVOAPI_NOEXCEPT;
/**
 * Stores the host's administrator-mode flag (the module only keeps it).
 * @param mode the flag
 * @return mode
 */
KAVOAPI int16_t WINAPI qa_set_adminmode(int16_t mode) KAVOAPI_NOEXCEPT;
/**
 * Gives the administrator-mode flag.
 * @return the flag last set, 0 at first
 */
KAVOAPI int16_t WINAPI qa_get_adminmode(void) KAVOAPI_NOEXCEPT;
/**
 * Chooses the registry branch of every later settings access ("Kavo"
 * until set).
 * @param name branch name, cut to 99 characters
 */
KAVOAPI void WINAPI qareg_set_kavo_branch_name(const char *name) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup language Language texts
 * @brief Texts by id from the language database, for dialogs, window
 *        titles and messages, and the 8-bit/UTF-16 conversions.
 *
 * One language database (made with langdb) holds every text: record "S"
 * with the text id as key, one attribute per language (ids 1501 to 1599),
 * and record "0" key 0 with the language names.  The current language
 * starts as 1512.  Sizes of 8-bit buffers are in bytes, and so are those
 * of UTF-16 buffers (a size of 400 holds 199 characters and the NUL).
 *
 * Every lookup opens the database for reading and closes it again;
 * qlg_openDOS and qlg_closeDOS bracket a run of lookups so the file stays
 * open between them.  The lookups return out, or null with an empty out
 * when no database is open (no message) or the text or language is
 * missing; the _def forms then give def and always return out.
 * @{
 */

/**
 * Opens the language database (closing the one open before).  Shows
 * "Cannot find file\r\n%s" with a missing path, or "Cannot open %s" with
 * file2 when it cannot be opened, without an owner window.
 * @param file1 first file of the database
 * @param file2 second file of the database
 * @return 0; -1 after a message
 */
KAVOAPI int32_t WINAPI qlg_init(const char *file1, const char *file2) KAVOAPI_NOEXCEPT;
/** Closes the language database, if one is open. */
KAVOAPI void WINAPI qlg_release(void) KAVOAPI_NOEXCEPT;
/**
 * Opens the database for reading, one level deeper (they nest).  Without
 * an open database shows "Language file not initialized!", task-modal.
 * @return the database handle; -1 on failure
 */
KAVOAPI int16_t WINAPI qlg_openDOS(void) KAVOAPI_NOEXCEPT;
/** Ends one qlg_openDOS; the file closes for reading at the outermost. */
KAVOAPI void WINAPI qlg_closeDOS(void) KAVOAPI_NOEXCEPT;
/** Ends reading whatever the nesting of qlg_openDOS. */
KAVOAPI void WINAPI qlg_closeDOStotally(void) KAVOAPI_NOEXCEPT;
/**
 * Makes the language of that name current.  Without an open database
 * shows "Language file not initialized!".
 * @param name language name, ignoring case
 * @return the current language id afterwards (unchanged when no name
 *         matched)
 */
KAVOAPI int16_t WINAPI qlg_set_language(const char *name) KAVOAPI_NOEXCEPT;
/**
 * Gives the current language.
 * @return the language id, 1512 until set
 */
KAVOAPI int16_t WINAPI qlg_get_language_id(void) KAVOAPI_NOEXCEPT;
/**
 * Appends the names of the languages 1510 to 1599, in id order, to a text
 * array (not emptied first).  Without an open database shows "Language
 * file not initialized!" and appends nothing.
 * @param names a text array: elemSize set to the size of a pointer before
 *        the first append.  The texts and the array's data are locked
 *        global memory blocks that belong to the caller, who frees each
 *        text and then data (GlobalHandle, GlobalUnlock, GlobalFree).
 */
KAVOAPI void WINAPI qlg_get_all_languages(gwarray *names) KAVOAPI_NOEXCEPT;
/**
 * Gives the language id for a SAP language letter: D 1513, E 1512,
 * F 1516, I 1527, K 1515, N 1521, O 1529, P 1530, U 1510, V 1511.
 * @param sap_language text whose first letter counts, ignoring case (at
 *        most 11 characters)
 * @return the language id; 1512 for any other letter or an empty text
 */
KAVOAPI int16_t WINAPI qlg_attId_for_sapLng(const char *sap_language) KAVOAPI_NOEXCEPT;
/**
 * Copies a text in the current language.
 * @param[out] out the text
 * @param text_id text id
 * @param size bytes of out
 * @return out; null when there is no text
 */
KAVOAPI char *WINAPI qlg_copy(char *out, int32_t text_id, int32_t size) KAVOAPI_NOEXCEPT;
/**
 * qlg_copy in UTF-16.
 * @param[out] out the text
 * @param text_id text id
 * @param size_bytes bytes of out
 * @return out; null when there is no text
 */
KAVOAPI wchar_t *WINAPI qlg_copy_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes) KAVOAPI_NOEXCEPT;
/**
 * Copies a text in the language of a SAP language letter.
 * @param[out] out the text
 * @param text_id text id
 * @param size bytes of out
 * @param sap_language as qlg_attId_for_sapLng takes it
 * @return out; null when there is no text
 */
KAVOAPI char *WINAPI qlg_copy_saplng(char *out, int32_t text_id, int32_t size,
                                     const char *sap_language) KAVOAPI_NOEXCEPT;
/**
 * qlg_copy_saplng in UTF-16.
 * @param[out] out the text
 * @param text_id text id
 * @param size_bytes bytes of out
 * @param sap_language as qlg_attId_for_sapLng takes it
 * @return out; null when there is no text
 */
KAVOAPI wchar_t *WINAPI qlg_copy_saplng_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                           const char *sap_language) KAVOAPI_NOEXCEPT;
/**
 * Copies a text, or def when text_id is 0 or has no text.
 * @param[out] out the text; the caller makes it large enough for def
 * @param text_id text id
 * @param size bytes of out
 * @param def default text
 * @return out
 */
KAVOAPI char *WINAPI qlg_copy_def(char *out, int32_t text_id, int32_t size, const char *def) KAVOAPI_NOEXCEPT;
/**
 * qlg_copy_def in UTF-16; def is converted from the ANSI code page.
 * @param[out] out the text
 * @param text_id text id
 * @param size_bytes bytes of out
 * @param def default text, 8-bit
 * @return out
 */
KAVOAPI wchar_t *WINAPI qlg_copy_wsz_def(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                         const char *def) KAVOAPI_NOEXCEPT;
/**
 * Splits a text (or def) at "|" into its first two fields; a missing field
 * gives an empty text.
 * @param[out] first the first field
 * @param[out] second the second field
 * @param text_id text id
 * @param size bytes of first and of second
 * @param def default text
 */
KAVOAPI void WINAPI qlg_copy_columns_def(char *first, char *second, int32_t text_id, int16_t size,
                                         const char *def) KAVOAPI_NOEXCEPT;
/**
 * qlg_copy_columns_def in UTF-16.
 * @param[out] first the first field
 * @param[out] second the second field
 * @param text_id text id
 * @param size_bytes bytes of first and of second
 * @param def default text, 8-bit
 */
KAVOAPI void WINAPI qlg_copy_columns_wsz_def(wchar_t *first, wchar_t *second, int32_t text_id, int16_t size_bytes,
                                            const char *def) KAVOAPI_NOEXCEPT;
/**
 * Sets a dialog item's text; without a text the item keeps its own.
 * @param dialog the dialog
 * @param item the item id
 * @param text_id text id
 */
KAVOAPI void WINAPI qlg_setdlgitemname(HWND dialog, int32_t item, int32_t text_id) KAVOAPI_NOEXCEPT;
/**
 * Sets a dialog item's text, or def.
 * @param dialog the dialog
 * @param item the item id
 * @param text_id text id
 * @param def default text
 */
KAVOAPI void WINAPI qlg_setdlgitemname_def(HWND dialog, int32_t item, int32_t text_id,
                                           const char *def) KAVOAPI_NOEXCEPT;
/**
 * qlg_setdlgitemname with the UTF-16 text.
 * @param dialog the dialog
 * @param item the item id
 * @param text_id text id
 */
KAVOAPI void WINAPI qlg_setdlgitemname_wsz(HWND dialog, int32_t item, int32_t text_id) KAVOAPI_NOEXCEPT;
/**
 * qlg_setdlgitemname_def with the UTF-16 text.
 * @param dialog the dialog
 * @param item the item id
 * @param text_id text id
 * @param def default text, 8-bit
 */
KAVOAPI void WINAPI qlg_setdlgitemname_wsz_def(HWND dialog, int32_t item, int32_t text_id,
                                               const char *def) KAVOAPI_NOEXCEPT;
/**
 * qlg_setdlgitemname for each pair, in order.
 * @param dialog the dialog
 * @param pairs count pairs of item id and text id
 * @param count number of pairs
 */
KAVOAPI void WINAPI qlg_set_dlgitem_txts(HWND dialog, const int32_t *pairs, int32_t count) KAVOAPI_NOEXCEPT;
/**
 * qlg_setdlgitemname_wsz for each pair, in order.
 * @param dialog the dialog
 * @param pairs count pairs of item id and text id
 * @param count number of pairs
 */
KAVOAPI void WINAPI qlg_set_dlgitem_wtxts(HWND dialog, const int32_t *pairs, int32_t count) KAVOAPI_NOEXCEPT;
/**
 * Titles a window with the application title, followed by " - " and the
 * text when there is one.
 * @param window the window
 * @param text_id text id
 */
KAVOAPI void WINAPI qlg_setdlgname(HWND window, int32_t text_id) KAVOAPI_NOEXCEPT;
/**
 * qlg_setdlgname in UTF-16, with extra appended directly when not empty.
 * @param window the window
 * @param text_id text id
 * @param extra text appended to the title
 */
KAVOAPI void WINAPI qlg_setdlgname_extra_wsz(HWND window, int32_t text_id, const wchar_t *extra) KAVOAPI_NOEXCEPT;
/**
 * qlg_setdlgname in UTF-16.
 * @param window the window
 * @param text_id text id
 */
KAVOAPI void WINAPI qlg_setdlgname_wsz(HWND window, int32_t text_id) KAVOAPI_NOEXCEPT;
/**
 * Shows a text (or def) in a box with an OK button and the information
 * icon, captioned with the application title; task-modal without an owner.
 * The keyboard focus goes back where it was.
 * @param owner owner window, or null
 * @param text_id text id
 * @param def default text
 * @return the box's result (IDOK)
 */
KAVOAPI int32_t WINAPI qlg_okmsg(HWND owner, int32_t text_id, const char *def) KAVOAPI_NOEXCEPT;
/**
 * qlg_okmsg with OK and Cancel buttons and the question icon.
 * @param owner owner window, or null
 * @param text_id text id
 * @param def default text
 * @return IDOK or IDCANCEL
 */
KAVOAPI int32_t WINAPI qlg_okcancelmsg(HWND owner, int32_t text_id, const char *def) KAVOAPI_NOEXCEPT;
/**
 * Converts an 8-bit text in the ANSI code page to UTF-16.
 * @param in the text
 * @param[out] out the converted text, empty for an empty in
 * @param out_bytes bytes of out
 */
KAVOAPI void WINAPI qa_sz2wsz_acp(const char *in, wchar_t *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;
/**
 * Converts an 8-bit text in the code page of the system font (see
 * qafont_create_systemfont; the ANSI code page until it is made) to UTF-16.
 * @param in the text
 * @param[out] out the converted text
 * @param out_bytes bytes of out
 * @return UTF-16 units written with the terminator; 0 for an empty text
 */
KAVOAPI int32_t WINAPI qa_sz2wsz_byqlg(const char *in, wchar_t *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;
/**
 * Converts a UTF-16 text to the ANSI code page.
 * @param in the text
 * @param[out] out the converted text, empty for an empty in
 * @param out_bytes bytes of out
 */
KAVOAPI void WINAPI qa_wsz2sz_acp(const wchar_t *in, char *out, int32_t out_bytes) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup qcq qcq database
 * @brief A record database of the host's, opened by the module and read
 *        by the host through Vantmods_x32.dll with qcq_handle().
 *
 * The module owns the handle; the host must not close it.  Messages are
 * shown without an owner window.
 * @{
 */

/**
 * Opens the qcq database (closing the one open before).  Shows
 * "Cannot find file\r\n%s" with a missing path, or "Cannot open %s" with
 * file2 when it cannot be opened.
 * @param file1 first file of the database
 * @param file2 second file of the database
 * @return 0; -1 after a message
 */
KAVOAPI int32_t WINAPI qcq_init(const char *file1, const char *file2) KAVOAPI_NOEXCEPT;
/** Closes the qcq database, if one is open. */
KAVOAPI void WINAPI qcq_release(void) KAVOAPI_NOEXCEPT;
/**
 * Gives the database handle for the sibling library's record functions.
 * @return the handle; -1 while none is open
 */
KAVOAPI int16_t WINAPI qcq_handle(void) KAVOAPI_NOEXCEPT;
/**
 * Opens the file for reading, one level deeper (they nest).  Shows
 * "Cannot read qcq file" when it cannot be opened.
 * @return the handle; -1 on failure
 */
KAVOAPI int16_t WINAPI qcq_openDOS(void) KAVOAPI_NOEXCEPT;
/** Ends one qcq_openDOS, or an update; the file closes at the outermost. */
KAVOAPI void WINAPI qcq_closeDOS(void) KAVOAPI_NOEXCEPT;
/** Ends reading or updating whatever the nesting. */
KAVOAPI void WINAPI qcq_closeDOStotally(void) KAVOAPI_NOEXCEPT;
/**
 * Opens the file for update, ending reading first; the host ends the
 * update with qcq_closeDOS or qcq_closeDOStotally.
 * @return the handle; -1 on failure
 */
KAVOAPI int16_t WINAPI qcq_open_for_update(void) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup registry Registry settings and default room
 * @brief The module's per-user settings and the default room.
 *
 * Settings live under HKEY_CURRENT_USER in
 * SOFTWARE\\Norvane\\&lt;branch&gt;\\userProfile (branch "Kavo" unless
 * qareg_set_kavo_branch_name chose another), all as REG_SZ texts.  No
 * function here shows a message.
 * @{
 */

/**
 * Fills a key record: path "SOFTWARE\company\branch\group" and one value
 * name.
 * @param company first part of the path
 * @param branch second part
 * @param group third part
 * @param value_name name of the value
 * @param[out] out the key record, cleared first
 */
KAVOAPI void WINAPI qareg_init(const char *company, const char *branch, const char *group, const char *value_name,
                               qareg_key *out) KAVOAPI_NOEXCEPT;
/**
 * Reads a value as text.
 * @param root root key, such as HKEY_CURRENT_USER
 * @param key the key record
 * @param size bytes of out
 * @param[out] out the value; empty on failure
 * @return 0; -1 the key cannot be opened; -2 the value cannot be read into
 *         size bytes
 */
KAVOAPI int32_t WINAPI qareg_get_data(HKEY root, const qareg_key *key, int32_t size, char *out) KAVOAPI_NOEXCEPT;
/**
 * Writes a value as REG_SZ, creating the key when needed.
 * @param root root key
 * @param key the key record
 * @param value the text
 * @return 0; -1 the key cannot be opened or created; -2 the write failed
 */
KAVOAPI int32_t WINAPI qareg_set_data(HKEY root, const qareg_key *key, const char *value) KAVOAPI_NOEXCEPT;
/**
 * Reads the "unitSystem" setting.
 * @param[out] out the value; empty on failure
 * @param size bytes of out
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qareg_get_userprofile_unitsystem(char *out, int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Reads the "QBasePath" setting.
 * @param[out] out the value; empty on failure
 * @param size bytes of out
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qareg_get_qbase_path(char *out, int32_t size) KAVOAPI_NOEXCEPT;
/**
 * Writes the "QBasePath" setting.
 * @param path the value
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qareg_set_qbase_path(const char *path) KAVOAPI_NOEXCEPT;
/**
 * Writes the "defaultRoom" setting (a room as a design data text).
 * @param text the value
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qareg_set_default_room(const char *text) KAVOAPI_NOEXCEPT;
/**
 * Gives the default room: read from "defaultRoom" at the first call and
 * kept until the module is unloaded; a missing or unusable value gives
 * built-in values (10 x 6 x 2.6 m, 24 and 20 degrees, 50 %, absorption
 * class 2).  It never carries a room code or name, and its valid field is 1.
 * @param[out] out the room
 * @return 0
 */
KAVOAPI int32_t WINAPI qa_get_default_room(room *out) KAVOAPI_NOEXCEPT;
/**
 * Makes a room the default room of this process at once, then stores it.
 * @param in the room
 * @return 0; -1 when it cannot be written (into 600 bytes, or to the
 *         registry)
 */
KAVOAPI int32_t WINAPI qa_set_default_room(const room *in) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup listwnd List window
 * @brief The QLISTWND grid window: a list of records in columns that asks
 *        its host for every count and cell text through one callback.
 *
 * The host creates a list window with qlw_init (or takes over a QLISTWND
 * control of a dialog with qlw_init_control), defines the columns, and
 * calls qlw_start, which counts the records, lays the columns out and
 * shows the window.  After changing its data the host calls qlw_regen.
 * Each list window owns its state, made at create and freed when the
 * window is destroyed (the callback then gets QLW_CLOSING).
 *
 * Functions given a window that is not a list window return their failure
 * value (-1, or 0 for the counting ones) and change nothing.  Messages go
 * to the module's information box: "Cannot create listwindow" (owned by
 * the parent), "Wrong type of dialog control (Excepting QWlist)" and
 * "Application error:\r\nGETNCELL not implemented" (no owner; with
 * QLW_CELLMODE, when the host answers QLW_GETNCELL with 0 but has records).
 * @{
 */

/**
 * The host's callback, with the C calling convention.
 * @param window the list window
 * @param code QLW_GETNREC or one of the other callback codes
 * @param record the record the code concerns
 * @param column the column the code concerns
 * @param data for the text codes a buffer to fill (cell texts at most 200
 *        units with the terminator, hints 2000): 8-bit texts in the ANSI
 *        code page for windows made by the ANSI functions, UTF-16 for the
 *        _wc ones; a qlw_owner_draw for QLW_DRAWCELL; else null
 * @return what the code asks for (a count, 0 to allow, ...); ignored for
 *         notifications
 */
typedef int32_t(__cdecl *qlw_callback)(HWND window, int32_t code, int32_t record, int32_t column, void *data);

/** @name Style flags of qlw_init and qlw_init_control */
/** @{ */
#define QLW_MULTISEL 1    /**< several records can be selected */
#define QLW_DOUBLEROW 2   /**< two text lines per record (QLW_GETTEXT2 gives the lower) */
#define QLW_CELLMODE 4    /**< cells flow across the columns; the host counts cells (QLW_GETNCELL) */
#define QLW_NOHEADER 8    /**< no header */
#define QLW_TWOBANDS 16   /**< a header of two bands: column groups over subcolumns */
#define QLW_NOVSCROLL 32  /**< no vertical scroll bar */
#define QLW_KEEPCOLORS 64 /**< keeps the host's text colours in selected rows */
/** @} */
/** @name Column flags */
/** @{ */
#define QLW_COL_SKIP 1      /**< the current cell skips this column */
#define QLW_COL_OWNERDRAW 2 /**< the host paints the cells (QLW_DRAWCELL) */
/** @} */
/** @name Callback codes */
/** @{ */
#define QLW_GETNREC 101     /**< give the number of records */
#define QLW_GETTEXT 102     /**< fill the cell's text */
#define QLW_DBLCLICK 103    /**< a cell was double-clicked */
#define QLW_RCLICK 104      /**< right button pressed on a cell */
#define QLW_ENTERKEY 105    /**< Enter on the current record */
#define QLW_ESCKEY 106      /**< Esc on the current record */
#define QLW_INSKEY 107      /**< Insert on the current record */
#define QLW_DELKEY 108      /**< Delete on the current record */
#define QLW_HDRCLICK 109    /**< left button pressed on a header column */
#define QLW_HDRRCLICK 110   /**< right button pressed on a header column */
#define QLW_DRAWCELL 111    /**< paint the cell into the qlw_owner_draw given */
#define QLW_GETTEXT2 112    /**< fill the lower text of a double row */
#define QLW_LCLICK 113      /**< left button pressed on a cell */
#define QLW_RCLICKEMPTY 114 /**< right button pressed in a list without records */
#define QLW_GETNCELL 115    /**< give the number of cells (QLW_CELLMODE) */
#define QLW_CANSELECT 116   /**< give 0 when the record or cell may become current */
#define QLW_GETHINT 117     /**< fill the hint of a cell; 0 and a text show it */
#define QLW_TOPROW 118      /**< the top record was set */
#define QLW_GETSEPLINE 119  /**< give the line below a record: below 0 none, 0 thin grey, 1 thin black, n thicker */
#define QLW_CURCHANGED 120  /**< input changed the current record or column */
#define QLW_CLOSING 999     /**< the window is destroyed or the control re-initialised */
/** @} */

/**
 * Registers the QLISTWND class (the module does so when loaded).
 * @param instance instance that owns the class
 * @return 0
 */
KAVOAPI int32_t WINAPI qlw_registerclass(HINSTANCE instance) KAVOAPI_NOEXCEPT;
/**
 * Makes a hidden child list window whose callback takes 8-bit texts.
 * Shows "Cannot create listwindow", owned by parent, when it cannot.
 * @param parent parent window
 * @param x left, in the parent's client pixels
 * @param y top
 * @param width width in pixels
 * @param height height in pixels
 * @param callback the host's callback
 * @param flags QLW_ style flags
 * @return the window, destroyed with its parent or by the host; 0 on
 *         failure
 */
KAVOAPI HWND WINAPI qlw_init(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, qlw_callback callback,
                             int32_t flags) KAVOAPI_NOEXCEPT;
/**
 * qlw_init with a callback that takes UTF-16 texts.
 * @param parent parent window
 * @param x left, in the parent's client pixels
 * @param y top
 * @param width width in pixels
 * @param height height in pixels
 * @param callback the host's callback
 * @param flags QLW_ style flags
 * @return the window; 0 on failure
 */
KAVOAPI HWND WINAPI qlw_init_wc(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, qlw_callback callback,
                                int32_t flags) KAVOAPI_NOEXCEPT;
/**
 * Takes over a QLISTWND control of a dialog (8-bit callback); a control
 * taken over before first sends QLW_CLOSING to its old callback and then
 * starts afresh.  Shows "Wrong type of dialog control (Excepting QWlist)" for
 * another kind of window.
 * @param window the control
 * @param callback the host's callback
 * @param flags QLW_ style flags
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_init_control(HWND window, qlw_callback callback, int32_t flags) KAVOAPI_NOEXCEPT;
/**
 * qlw_init_control with a callback that takes UTF-16 texts.
 * @param window the control
 * @param callback the host's callback
 * @param flags QLW_ style flags
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_init_control_wc(HWND window, qlw_callback callback, int32_t flags) KAVOAPI_NOEXCEPT;
/**
 * Defines the next column (at most 50); with QLW_TWOBANDS it gives the
 * texts of the next column group instead.
 * @param window the list window
 * @param width width in average characters
 * @param text1 header text, at most 79 characters
 * @param text2 second header line, at most 79 characters
 * @param flags QLW_COL_ flags
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_init_column(HWND window, uint32_t width, const char *text1, const char *text2,
                                       uint32_t flags) KAVOAPI_NOEXCEPT;
/**
 * qlw_init_column with UTF-16 texts.
 * @param window the list window
 * @param width width in average characters
 * @param text1 header text, at most 79 characters
 * @param text2 second header line, at most 79 characters
 * @param flags QLW_COL_ flags
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_init_column_wc(HWND window, uint32_t width, const wchar_t *text1, const wchar_t *text2,
                                          uint32_t flags) KAVOAPI_NOEXCEPT;
/**
 * Defines the next subcolumn of a QLW_TWOBANDS list (at most 50).
 * @param window the list window
 * @param width width in average characters
 * @param group its column group, from 1
 * @param text1 header text, at most 79 characters
 * @param text2 second header line, at most 79 characters
 * @param flags QLW_COL_ flags
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_init_subcolumn_wc(HWND window, uint32_t width, uint32_t group, const wchar_t *text1,
                                             const wchar_t *text2, uint32_t flags) KAVOAPI_NOEXCEPT;
/**
 * Forgets every column, so that new ones can be defined.
 * @param window the list window
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_delete_columns(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Shows only the first n columns from the next column layout on.
 * @param window the list window
 * @param n from 1 to the column count
 * @return 0; -1 for n out of range
 */
KAVOAPI int32_t WINAPI qlw_set_showed_ncol(HWND window, int32_t n) KAVOAPI_NOEXCEPT;
/**
 * Counts the records, lays the columns out and shows the window with the
 * focus (a dialog control is not shown or focused).
 * @param window the list window
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_start(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Lays the columns out again, after their definitions changed.
 * @param window the list window
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_regen_columns(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Counts the records again, keeps the current record in range and in view,
 * and repaints.
 * @param window the list window
 * @param force nonzero: reset the selection even when the count stays
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_regen(HWND window, uint32_t force) KAVOAPI_NOEXCEPT;
/**
 * Gives the number of columns.
 * @param window the list window
 * @return the column count, or -1
 */
KAVOAPI int32_t WINAPI qlw_get_nmb_of_columns(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Gives a column's definition; the outputs are cleared first.
 * @param window the list window
 * @param column column index from 0
 * @param[out] width width in average characters
 * @param[out] text1 header text, 80 units
 * @param[out] text2 second header line, 80 units
 * @param[out] flags QLW_COL_ flags
 * @return 0; -1 for a column out of range
 */
KAVOAPI int32_t WINAPI qlw_get_column_info_wc(HWND window, int32_t column, uint32_t *width, wchar_t *text1,
                                              wchar_t *text2, uint32_t *flags) KAVOAPI_NOEXCEPT;
/**
 * qlw_get_column_info_wc with 8-bit texts in the ANSI code page; an empty
 * text leaves its buffer as it was.
 * @param window the list window
 * @param column column index from 0
 * @param[out] width width in average characters
 * @param[out] text1 header text, 100 bytes
 * @param[out] text2 second header line, 200 bytes
 * @param[out] flags QLW_COL_ flags
 * @return 0; -1 for a column out of range
 */
KAVOAPI int32_t WINAPI qlw_get_column_info(HWND window, int32_t column, uint32_t *width, char *text1, char *text2,
                                           uint32_t *flags) KAVOAPI_NOEXCEPT;
/**
 * Gives the current record.
 * @param window the list window
 * @return the record; -1 when there is none
 */
KAVOAPI int32_t WINAPI qlw_get_current_rec(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Gives the current column.
 * @param window the list window
 * @return the column; -1 when there is none
 */
KAVOAPI int32_t WINAPI qlw_get_current_col(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Gives the current cell of a QLW_CELLMODE list: record x column count +
 * column, below the host's cell count.
 * @param window the list window
 * @return the cell index; -1 when there is none
 */
KAVOAPI int32_t WINAPI qlw_get_current_cell(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Makes a record current, brings it into view and repaints (with
 * QLW_MULTISEL the selection becomes that record).
 * @param window the list window
 * @param record record index
 * @return 0; -1 for a record out of range
 */
KAVOAPI int32_t WINAPI qlw_set_current_rec(HWND window, int32_t record) KAVOAPI_NOEXCEPT;
/**
 * Makes a column current (a column out of range is ignored) and repaints.
 * @param window the list window
 * @param column column index
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_set_current_col(HWND window, int32_t column) KAVOAPI_NOEXCEPT;
/**
 * Makes a cell current and brings it into view; a cell out of range leaves
 * no current record.
 * @param window the list window
 * @param cell cell index
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_set_current_cell(HWND window, int32_t cell) KAVOAPI_NOEXCEPT;
/**
 * Selects or unselects a record of a QLW_MULTISEL list and repaints.
 * @param window the list window
 * @param record record index
 * @param value nonzero selects
 * @return 0; -1 without QLW_MULTISEL or for a record out of range
 */
KAVOAPI int32_t WINAPI qlw_set_select(HWND window, int32_t record, uint8_t value) KAVOAPI_NOEXCEPT;
/**
 * Unselects every record of a QLW_MULTISEL list and leaves no current
 * record; no repaint.
 * @param window the list window
 * @return 0; -1 without QLW_MULTISEL
 */
KAVOAPI int32_t WINAPI qlw_unselect_all(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Tells whether a record is selected (without QLW_MULTISEL: current).
 * @param window the list window
 * @param record record index
 * @return 1 selected; 0 not, or out of range
 */
KAVOAPI int32_t WINAPI qlw_rec_is_selected(HWND window, int32_t record) KAVOAPI_NOEXCEPT;
/**
 * Counts the selected records (without QLW_MULTISEL: 1 with a current
 * record).
 * @param window the list window
 * @return the count; 0 for a window that is not a list window
 */
KAVOAPI int32_t WINAPI qlw_get_nmb_of_selected_recs(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Sets the row height.
 * @param window the list window
 * @param height pixels; below 1 the default (from the dialog base units,
 *        doubled with QLW_DOUBLEROW)
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_set_rowheight(HWND window, int32_t height) KAVOAPI_NOEXCEPT;
/**
 * Sets the header font; the host keeps owning it and deletes it after the
 * window.
 * @param window the list window
 * @param font the font; 0 changes nothing
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_set_header_font(HWND window, HFONT font) KAVOAPI_NOEXCEPT;
/**
 * Sets the second header font (the group band of QLW_TWOBANDS); the host
 * keeps owning it.
 * @param window the list window
 * @param font the font; 0 changes nothing
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_set_header_font2(HWND window, HFONT font) KAVOAPI_NOEXCEPT;
/**
 * Sets the text colour of the cell being drawn, from inside QLW_GETTEXT,
 * QLW_GETTEXT2 or QLW_DRAWCELL only.
 * @param window the list window
 * @param colour the colour
 * @return 0; -1 outside painting
 */
KAVOAPI int32_t WINAPI qlw_set_textcolor(HWND window, COLORREF colour) KAVOAPI_NOEXCEPT;
/**
 * Sets the sort mark shown in the header at the next paint.
 * @param window the list window
 * @param column the sorted column; -1: none
 * @param ascending nonzero: ascending
 * @return 0 or -1
 */
KAVOAPI int32_t WINAPI qlw_set_sort_column(HWND window, int32_t column, uint16_t ascending) KAVOAPI_NOEXCEPT;
/**
 * Links two lists so that they scroll and select together.
 * @param window1 a list window
 * @param window2 another list window
 * @return 0; -1 unless both are list windows
 */
KAVOAPI int32_t WINAPI qlw_link_selections_and_hscrolls(HWND window1, HWND window2) KAVOAPI_NOEXCEPT;
/**
 * Repaints one record's row when it is visible.
 * @param window the list window
 * @param record record index; negative: the current one
 * @return 0; -1 for a window that is not a list window
 */
KAVOAPI int32_t WINAPI qlw_invalidate_rec(HWND window, int32_t record) KAVOAPI_NOEXCEPT;
/**
 * Gives the client rectangle of a visible cell (the row just after the
 * last record counts).
 * @param window the list window
 * @param record record index
 * @param column column index
 * @param[out] rect the cell, inside its grid lines
 * @return 0; -1 when the cell is not visible
 */
KAVOAPI int32_t WINAPI qlw_get_cellrect(HWND window, int32_t record, int32_t column, RECT *rect) KAVOAPI_NOEXCEPT;
/**
 * Tells whether a window is of the QLISTWND class.
 * @param window any window, or null
 * @return 1 or 0
 */
KAVOAPI int32_t WINAPI qlw_window_is_qlw(HWND window) KAVOAPI_NOEXCEPT;
/**
 * Draws the leading part of a text that fits max_width pixels, with the
 * device context's alignment, font and colour; the text is cut without a
 * mark.
 * @param hdc device context
 * @param x position
 * @param y position
 * @param max_width pixels
 * @param text 8-bit text
 * @return the result of TextOutA; 0 for an empty text; nonzero without
 *         drawing when not one character fits
 */
KAVOAPI int32_t WINAPI qlw_write_txt(HDC hdc, int32_t x, int32_t y, int32_t max_width,
                                     const char *text) KAVOAPI_NOEXCEPT;
/**
 * qlw_write_txt with a UTF-16 text.
 * @param hdc device context
 * @param x position
 * @param y position
 * @param max_width pixels
 * @param text UTF-16 text
 * @return the result of TextOutW; 0 for an empty text; nonzero without
 *         drawing when not one character fits
 */
KAVOAPI int32_t WINAPI qlw_write_wtxt(HDC hdc, int32_t x, int32_t y, int32_t max_width,
                                      const wchar_t *text) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup msgbox Message boxes
 * @brief The module's information box and questions, a box with a check
 *        box, and boxes that close themselves.
 *
 * Without an owner a box is task-modal.  The keyboard focus goes back to
 * where it was (or to the owner) when a box closes.  The boxes of
 * qa_chkmsgbox and the timed boxes are captioned with the application
 * title (qa_init_paths); qa_msgbox's with "Kavo".
 * @{
 */

/**
 * Shows an information box or asks a question.
 * @param owner owner window, or null
 * @param kind 2 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No; any other kind an
 *        information box with OK
 * @param text the message, 8-bit
 * @return the button: IDOK, IDCANCEL, IDYES or IDNO; 1 for an information
 *         box
 */
KAVOAPI int32_t WINAPI qa_msgbox(HWND owner, uint32_t kind, const char *text) KAVOAPI_NOEXCEPT;
/**
 * Shows a modal box with a message, a check box and OK.
 * @param owner owner window, or null
 * @param message the message
 * @param check_text caption of the check box
 * @return 1 when the check box was ticked at closing (by OK or Esc), else
 *         0; -1 when out of memory
 */
KAVOAPI int32_t WINAPI qa_chkmsgbox(HWND owner, const wchar_t *message, const wchar_t *check_text) KAVOAPI_NOEXCEPT;
/**
 * Shows a modal box that closes itself after a time, with a countdown line
 * (language text 4118, by default "This window is automatically closing
 * in", then the seconds left).
 * @param owner owner window, or null
 * @param message the message
 * @param seconds time to live; 0: no countdown, only closed by the user
 * @return 0; -1 when out of memory
 */
KAVOAPI int32_t WINAPI qa_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds) KAVOAPI_NOEXCEPT;
/**
 * Shows a modeless box with a countdown and returns at once; when its time
 * is up the box is hidden, not destroyed.
 * @param owner owner window, or null
 * @param message the message
 * @param seconds time to live; 0: no countdown
 * @param tall nonzero: the larger box, for longer messages
 * @return the box, which the host destroys with DestroyWindow; null when
 *         it could not be made
 */
KAVOAPI HWND WINAPI qa_modeless_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds,
                                            uint32_t tall) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup dialogs Memo rows, popup menus, tooltips and the hint window
 * @brief Smaller helpers of the host's dialogs.
 *
 * Memo rows cut a text into rows of a width, for tables and printouts.
 * Popup menu items take their captions from the language texts.  Platform
 * tooltips need the common controls, which the host initialises.  None of
 * these functions shows a message, qa_popup_pc excepted.
 * @{
 */

/**
 * Sets a memo up on an 8-bit text, which is not copied and must live while
 * rows are fetched.
 * @param[out] info the memo
 * @param text the text
 * @param font_height above 0: rows measured in pixels of the Arial
 *        estimate at that height; 0: in characters
 * @param max_width width of a row, in those units
 */
KAVOAPI void WINAPI qat_memoinfo_init(qat_memoinfo *info, const char *text, uint16_t font_height,
                                      uint16_t max_width) KAVOAPI_NOEXCEPT;
/**
 * qat_memoinfo_init on a UTF-16 text.
 * @param[out] info the memo
 * @param text the text, kept while rows are fetched
 * @param font_height above 0: pixels of the Arial estimate; 0: characters
 * @param max_width width of a row, in those units
 */
KAVOAPI void WINAPI qat_memoinfo_init_wc(qat_memoinfo *info, const wchar_t *text, uint16_t font_height,
                                         uint16_t max_width) KAVOAPI_NOEXCEPT;
/**
 * Writes the next row of an 8-bit memo.
 * @param info the memo
 * @param[out] row the row, at most size - 1 characters
 * @param size bytes of row, at least 2
 * @return 1 with a row (possibly empty); 0 and an empty row when the text
 *         is used up
 */
KAVOAPI int32_t WINAPI qat_getnextmemorow(qat_memoinfo *info, char *row, uint32_t size) KAVOAPI_NOEXCEPT;
/**
 * Writes the next row of a UTF-16 memo.
 * @param info the memo
 * @param[out] row the row, at most size - 1 units
 * @param size UTF-16 units of row, at least 2
 * @return 1 with a row; 0 and an empty row when the text is used up
 */
KAVOAPI int32_t WINAPI qat_getnextmemorow_wc(qat_memoinfo *info, wchar_t *row, uint32_t size) KAVOAPI_NOEXCEPT;

/**
 * Appends an item captioned with language text text_id, or with caption
 * when text_id is 0 or has no text.
 * @param menu the host's popup menu
 * @param text_id text id, or 0
 * @param command command id sent to the owner when chosen
 * @param enabled 0: greyed
 * @param caption default caption, 8-bit
 * @return the result of AppendMenu (nonzero on success)
 */
KAVOAPI int32_t WINAPI qa_popup_add(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                    const char *caption) KAVOAPI_NOEXCEPT;
/**
 * qa_popup_add for a submenu, which then belongs to menu.
 * @param menu the host's popup menu
 * @param text_id text id, or 0
 * @param submenu the submenu's handle
 * @param enabled 0: greyed
 * @param caption default caption, 8-bit
 * @return the result of AppendMenu
 */
KAVOAPI int32_t WINAPI qa_popup_add_submenu(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                            const char *caption) KAVOAPI_NOEXCEPT;
/**
 * qa_popup_add with the UTF-16 language text (the default caption stays
 * 8-bit).
 * @param menu the host's popup menu
 * @param text_id text id, or 0
 * @param command command id
 * @param enabled 0: greyed
 * @param caption default caption, 8-bit
 * @return the result of AppendMenu
 */
KAVOAPI int32_t WINAPI qa_popup_add_wsz(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                        const char *caption) KAVOAPI_NOEXCEPT;
/**
 * qa_popup_add_submenu with the UTF-16 language text.
 * @param menu the host's popup menu
 * @param text_id text id, or 0
 * @param submenu the submenu's handle
 * @param enabled 0: greyed
 * @param caption default caption, 8-bit
 * @return the result of AppendMenu
 */
KAVOAPI int32_t WINAPI qa_popup_add_submenu_wsz(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                                const char *caption) KAVOAPI_NOEXCEPT;
/**
 * Shows a copy (command 888, "Copy clipboard" or language text 1070) and
 * print (889, "Print" or text 1071) menu at the mouse; the choice reaches
 * owner as WM_COMMAND.  Without a language database it shows "Language
 * file not initialized!" first.
 * @param owner window that receives the command
 * @return 1 when the menu was shown; 0 when no menu could be made
 */
KAVOAPI int32_t WINAPI qa_popup_pc(HWND owner) KAVOAPI_NOEXCEPT;

/**
 * Registers the QTBHINT hint window class of the list windows (the module
 * does so when loaded).
 * @param instance instance that owns the class
 * @return 0
 */
KAVOAPI int32_t WINAPI tooltip_registerclass(HINSTANCE instance) KAVOAPI_NOEXCEPT;
/**
 * Makes a platform tooltip window for dialog controls, with tips up to 800
 * pixels wide.
 * @return the tooltip, which the host destroys; null on failure
 */
KAVOAPI HWND WINAPI qa_create_control_tooltip_window(void) KAVOAPI_NOEXCEPT;
/**
 * Gives a dialog control a tip.
 * @param tooltip from qa_create_control_tooltip_window
 * @param dialog the dialog
 * @param control_id the control
 * @param text the tip; not copied: it must live as long as the tooltip
 * @return the result of TTM_ADDTOOLW (nonzero on success)
 */
KAVOAPI int32_t WINAPI qa_attach_control_to_tooltip_window(HWND tooltip, HWND dialog, int32_t control_id,
                                                           const wchar_t *text) KAVOAPI_NOEXCEPT;
/**
 * Gives the tips a title and icon.
 * @param tooltip from qa_create_control_tooltip_window
 * @param title the title
 * @param icon TTI_ icon number
 * @return the result of TTM_SETTITLEW (nonzero on success)
 */
KAVOAPI int32_t WINAPI qa_set_tooltip_header_and_icon(HWND tooltip, const wchar_t *title,
                                                      uint32_t icon) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup fonts Fonts and pens
 * @brief Named fonts and pens measured in tenths of a millimetre, the
 *        system font of the host's language, and fonts for the host.
 *
 * Named fonts and pens live in module tables until the module is unloaded
 * (named fonts also until the system font is made again); their handles
 * belong to the module and must not be deleted.  Names have at most 8
 * characters and are case-sensitive; longer names are cut.  Heights and
 * widths are tenths of a millimetre, handed to the platform as logical
 * units.  The qafont_create_ functions other than the system font give new
 * fonts that the caller deletes with DeleteObject.  No function here shows
 * a message.
 * @{
 */

/**
 * Makes a named font, or remakes it with new settings.
 * @param name font name
 * @param face typeface name
 * @param style letters "B" bold, "I" italic, "U" underline, in any order
 * @param height character height, tenths of a millimetre
 * @param angle text angle in degrees
 * @param opaque nonzero: text drawn on an opaque background
 * @param red text colour
 * @param green text colour
 * @param blue text colour
 * @return 1 made; 0 a font of that name, height and colour exists (other
 *         settings are not compared, and it stays); -1 on failure
 */
KAVOAPI int32_t WINAPI qafont_check(const char *name, const char *face, const char *style, uint16_t height,
                                    int16_t angle, uint8_t opaque, uint8_t red, uint8_t green,
                                    uint8_t blue) KAVOAPI_NOEXCEPT;
/**
 * Selects a named font with its colour and background mode into a device
 * context.
 * @param hdc device context
 * @param name font name
 * @return its height; 0 for an unknown name (nothing selected)
 */
KAVOAPI uint16_t WINAPI qafont_select(HDC hdc, const char *name) KAVOAPI_NOEXCEPT;
/**
 * Gives a named font's height.
 * @param name font name
 * @return tenths of a millimetre; 0 for an unknown name
 */
KAVOAPI uint16_t WINAPI qafont_Hmm10(const char *name) KAVOAPI_NOEXCEPT;
/**
 * Gives a named font's settings.
 * @param name font name
 * @param[out] info the settings; for an unknown name "Arial", height 40
 * @return 0 found; -1 not found
 */
KAVOAPI int32_t WINAPI qafont_get_info(const char *name, font_info *info) KAVOAPI_NOEXCEPT;
/**
 * Gives the character set of a language name ("Swiss-Russian": 204,
 * "greek": 161).
 * @param language language name
 * @return the character set; 0 for an empty or unknown name
 */
KAVOAPI uint16_t WINAPI qafont_get_charsetID(const char *language) KAVOAPI_NOEXCEPT;
/**
 * Gives the code page of a character set.
 * @param charset character set id
 * @return the code page; 0 when the platform has none for it
 */
KAVOAPI uint32_t WINAPI qafont_codepage_for_charset(uint16_t charset) KAVOAPI_NOEXCEPT;
/**
 * Makes the system font of a language (releasing the old one and every
 * named font): a pixel font in the language's character set, or for a
 * language of the default character set the platform's GUI font.
 * @param height pixel height
 * @param weight font weight (400 normal, 700 bold)
 * @param face typeface name
 * @param language language name
 * @return the system font, which the module owns
 */
KAVOAPI HFONT WINAPI qafont_create_systemfont(int32_t height, int32_t weight, const char *face,
                                              const char *language) KAVOAPI_NOEXCEPT;
/**
 * Gives the system font.
 * @return the system font, or the platform's GUI font when none was made;
 *         the module owns it
 */
KAVOAPI HFONT WINAPI qafont_get_systemfont(void) KAVOAPI_NOEXCEPT;
/**
 * Gives the system font's character set.
 * @return the character set; 0 before one was made
 */
KAVOAPI uint16_t WINAPI qafont_get_systemfont_cset(void) KAVOAPI_NOEXCEPT;
/** Deletes the system font and every named font. */
KAVOAPI void WINAPI qafont_release_systemfont(void) KAVOAPI_NOEXCEPT;
/**
 * Makes a font of a pixel height in a language's character set.
 * @param height pixel height
 * @param weight font weight
 * @param face typeface name
 * @param language language name
 * @return a new font that the caller deletes; null on failure
 */
KAVOAPI HFONT WINAPI qafont_create_pixelfont(int32_t height, int32_t weight, const char *face,
                                             const char *language) KAVOAPI_NOEXCEPT;
/**
 * Makes the platform's GUI font with another height and weight.
 * @param height LOGFONT height, taken as given
 * @param weight font weight
 * @return a new font that the caller deletes; null on failure
 */
KAVOAPI HFONT WINAPI qafont_create_gui_font(int32_t height, int32_t weight) KAVOAPI_NOEXCEPT;
/**
 * Stores the character set of the qcq database's language.
 * @param language language name
 * @return the character set
 */
KAVOAPI uint16_t WINAPI qafont_init_qcq_charset(const char *language) KAVOAPI_NOEXCEPT;
/**
 * Gives the character set stored by qafont_init_qcq_charset.
 * @return the character set; 0 until set
 */
KAVOAPI uint16_t WINAPI qafont_qcq_charset(void) KAVOAPI_NOEXCEPT;
/**
 * Makes a table font in the qcq character set.
 * @param height character height in pixels
 * @param weight font weight
 * @param face typeface name, at most 31 characters
 * @return a new font that the caller deletes; null on failure
 */
KAVOAPI HFONT WINAPI qafont_create_qcqTablefont(int32_t height, int32_t weight, const char *face) KAVOAPI_NOEXCEPT;
/**
 * Estimates the width of a text in Arial: each character's advance at the
 * height, rounded up, summed.
 * @param text 8-bit text
 * @param height character height
 * @return the width in the height's units; 0 for an empty text
 */
KAVOAPI uint16_t WINAPI qafont_cxpix_arial(const char *text, uint16_t height) KAVOAPI_NOEXCEPT;
/**
 * qafont_cxpix_arial for a UTF-16 text (converted to the ANSI code page).
 * @param text UTF-16 text
 * @param height character height
 * @return the width; 0 for an empty text
 */
KAVOAPI uint16_t WINAPI qafont_cxpix_arial_wc(const wchar_t *text, uint16_t height) KAVOAPI_NOEXCEPT;
/**
 * Makes a named pen, or remakes it with a new width or colour.
 * @param name pen name
 * @param style pen style as for CreatePen
 * @param width tenths of a millimetre
 * @param red colour
 * @param green colour
 * @param blue colour
 * @return 0 the pen exists or was made; -1 it could not be made; -2
 *         without memory
 */
KAVOAPI int32_t WINAPI qapen_check(const char *name, int16_t style, uint16_t width, uint8_t red, uint8_t green,
                                   uint8_t blue) KAVOAPI_NOEXCEPT;
/**
 * Selects a named pen into a device context (the stock black pen for an
 * unknown name).
 * @param hdc device context
 * @param name pen name
 * @return its width; 0 for an unknown name
 */
KAVOAPI uint16_t WINAPI qapen_select(HDC hdc, const char *name) KAVOAPI_NOEXCEPT;
/**
 * Gives a named pen's width.
 * @param name pen name
 * @return tenths of a millimetre; 0 for an unknown name or a pen not made
 */
KAVOAPI uint16_t WINAPI qapen_Wmm10(const char *name) KAVOAPI_NOEXCEPT;
/**
 * Gives a named pen's settings.
 * @param name pen name
 * @param[out] info the settings (the name alone for an unknown name)
 * @return 0 found; -1 not found
 */
KAVOAPI int32_t WINAPI qapen_get_info(const char *name, pen_info *info) KAVOAPI_NOEXCEPT;
/**
 * Gives every direct child of a dialog the system font.
 * @param dialog the dialog
 */
KAVOAPI void WINAPI qa_setdlgfont(HWND dialog) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup drawing Labels, lines and tables
 * @brief Drawing with the named fonts and pens.
 *
 * No function here shows a message or keeps anything.
 * @{
 */

/**
 * Draws a label with the named fonts: `@t` raises the following text in
 * the small font, `@b` lowers it, `@@` returns to the main font, `@d`
 * draws a delta sign with the selected pen.
 * @param hdc device context
 * @param x position
 * @param y position
 * @param text the label, 8-bit
 * @param main_font name of the main font
 * @param small_font name of the small font
 * @param align SetTextAlign flags; they stay set
 * @return the main font's height; 0 when it is not in the table
 */
KAVOAPI uint16_t WINAPI qa_drawlabel(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                     const char *small_font, int32_t align) KAVOAPI_NOEXCEPT;
/**
 * qa_drawlabel with the wide text calls, for a label in code page 1252.
 * @param hdc device context
 * @param x position
 * @param y position
 * @param text the label, 8-bit in code page 1252
 * @param main_font name of the main font
 * @param small_font name of the small font
 * @param align SetTextAlign flags; they stay set
 * @return the main font's height; 0 when it is not in the table
 */
KAVOAPI uint16_t WINAPI qa_drawlabelw(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                      const char *small_font, int32_t align) KAVOAPI_NOEXCEPT;
/**
 * Draws a line with a named pen (the stock black pen for an unknown name).
 * @param hdc device context
 * @param x1 start
 * @param y1 start
 * @param x2 end
 * @param y2 end
 * @param pen pen name
 * @return the result of LineTo (nonzero on success)
 */
KAVOAPI int32_t WINAPI qa_drawline(HDC hdc, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
                                   const char *pen) KAVOAPI_NOEXCEPT;
/**
 * Draws a ruled table of rows x columns cells with the grid pen, framed
 * with the frame pen.
 * @param hdc device context
 * @param x left
 * @param y top
 * @param column_width width of a column
 * @param row_height height of a row
 * @param rows number of rows
 * @param columns number of columns
 * @param grid_pen pen name of the inner lines
 * @param frame_pen pen name of the frame
 * @return the result of the last frame stroke (nonzero on success)
 */
KAVOAPI int32_t WINAPI qa_drawtable(HDC hdc, int16_t x, int16_t y, int32_t column_width, int32_t row_height,
                                    int16_t rows, int16_t columns, const char *grid_pen,
                                    const char *frame_pen) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup images Bitmaps, GIF and metafiles
 * @brief Bitmap and GIF files as packed bitmaps, the QBMPWND picture
 *        window, placeable metafiles, and the clipboard.
 *
 * Bitmaps are packed device-independent bitmaps (header, colour table,
 * pixel rows) in one locked movable global block, which belongs to the
 * caller and goes back with qa_dib_release.  The drawing, palette and
 * clipboard functions accept only blocks from the global heap that hold
 * everything their header announces.
 *
 * Messages, shown without an owner window (the clipboard ones excepted)
 * and followed by a null result: for bitmap files "Non compatible
 * bitmap\r\n%s" (also when the file cannot be opened) and "Non compatible
 * bitmapheader\r\n%s"; for GIF files "Uknown GIF-file-format!", "Error in
 * GIF-image separator", "Local color-table not supported!", "Error reading
 * Gif!", "Error - Bad codesize in gif!" and "Liikaa bittej&auml;!" (a GIF
 * file that cannot be opened gives null silently).
 * @{
 */

/**
 * Reads a ".bmp" file, or a GIF file when the name contains ".gif" in any
 * case (as qa_gif_read_dib).
 * @param file_name the file
 * @return a new bitmap that the caller gives back with qa_dib_release; null
 *         on failure, after a message
 */
KAVOAPI void *WINAPI qa_dib_read(const char *file_name) KAVOAPI_NOEXCEPT;
/**
 * Frees a bitmap from qa_dib_read or qa_gif_read_dib.
 * @param dib the bitmap, or null
 */
KAVOAPI void WINAPI qa_dib_release(void *dib) KAVOAPI_NOEXCEPT;
/**
 * Gives a bitmap's size in pixels.
 * @param dib the bitmap
 * @param[out] width width
 * @param[out] height height
 */
KAVOAPI void WINAPI qa_dib_get_size(const void *dib, int32_t *width, int32_t *height) KAVOAPI_NOEXCEPT;
/**
 * Draws a bitmap: at its size when w is 0, into w x h when both are given,
 * and at width w with the bitmap's aspect when h is 0; then a nonzero fit
 * keeps it from growing beyond its own device pixels, centred.
 * @param hdc device context
 * @param dib the bitmap
 * @param x left
 * @param y top
 * @param w width, or 0
 * @param h height, or 0
 * @param fit nonzero: no enlargement (with h 0 only)
 * @return the drawn height plus the vertical offset; 0 when nothing was
 *         drawn
 */
KAVOAPI int32_t WINAPI qa_dib_draw(HDC hdc, const void *dib, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t fit) KAVOAPI_NOEXCEPT;
/**
 * Reads a bitmap or GIF file (with qa_dib_read's messages) and draws it
 * stretched into a rectangle.
 * @param hdc device context
 * @param file_name the file
 * @param x left
 * @param y top
 * @param w width
 * @param h height
 * @param unused not used
 * @return 0; -1 when the file cannot be read
 */
KAVOAPI int32_t WINAPI qa_dib_draw_file(HDC hdc, const char *file_name, int32_t x, int32_t y, int32_t w,
                                        int32_t h, int32_t unused) KAVOAPI_NOEXCEPT;
/**
 * Makes a palette of a bitmap's colour table.
 * @param dib the bitmap
 * @return a new palette that the caller deletes; null for core headers and
 *         bitmaps without a table
 */
KAVOAPI HPALETTE WINAPI qa_dib_create_palette(const void *dib) KAVOAPI_NOEXCEPT;
/**
 * Puts a copy of a bitmap and its palette on the clipboard, which then owns
 * them; the bitmap stays the caller's.  Shows "Cannot open clipboard!" or
 * "Cannot empy clipboard!", owned by owner.
 * @param owner clipboard owner
 * @param dib the bitmap
 * @return the result of CloseClipboard; 1 without copying for a core
 *         header; 0 for more than 256 colours or a bad block; the button
 *         of the message after a failure
 */
KAVOAPI int32_t WINAPI qa_dib_to_clipboard(HWND owner, const void *dib) KAVOAPI_NOEXCEPT;
/**
 * Registers the "QBMPWND" picture window class, for dialog controls.
 * @param instance instance that owns the class
 * @return 0
 */
KAVOAPI int32_t WINAPI gdi_bmpw_registerclass(HINSTANCE instance) KAVOAPI_NOEXCEPT;
/**
 * Shows an image file of any format GDI+ reads in a QBMPWND control; the
 * control keeps the image until the next call or its destruction.
 * @param dialog the dialog
 * @param control_id the control
 * @param file_name the image file; null or "" clears the control
 * @param fit nonzero: scaled into the control, keeping the aspect
 */
KAVOAPI void WINAPI gdi_bmpctrl_setbmp(HWND dialog, int32_t control_id, const char *file_name,
                                       int32_t fit) KAVOAPI_NOEXCEPT;
/**
 * Makes a QBMPWND control fill its background white from its next paint
 * on (for good).
 * @param dialog the dialog
 * @param control_id the control
 */
KAVOAPI void WINAPI gdi_bmpctrl_set_white_bkg(HWND dialog, int32_t control_id) KAVOAPI_NOEXCEPT;
/**
 * Reads the first image of a GIF file (no extension block before it, no
 * local colour table) as an 8-bit bitmap.
 * @param file_name the file
 * @return a new bitmap that the caller gives back with qa_dib_release; null
 *         on failure, after a message
 */
KAVOAPI void *WINAPI qa_gif_read_dib(const char *file_name) KAVOAPI_NOEXCEPT;
/**
 * Reads a placeable metafile.  Shows "Metafileformat not compatible!",
 * "Out of memory !?!", "Cannot lock memory !?!" or "Cannot create
 * metafile !" on failure, but nothing when the file cannot be opened.
 * @param file_name the file
 * @param[out] aspect height / width of its bounding box; 1.0 when it
 *        cannot tell
 * @return a metafile that the caller deletes with DeleteMetaFile; 0 on
 *         failure
 */
KAVOAPI HMETAFILE WINAPI qa_wmf_read(const char *file_name, float *aspect) KAVOAPI_NOEXCEPT;
/**
 * Plays a metafile into a rectangle and restores the mapping of hdc.
 * @param hdc device context
 * @param metafile the metafile
 * @param left rectangle
 * @param top rectangle
 * @param right rectangle
 * @param bottom rectangle
 * @return the result of restoring the window extent (nonzero on success)
 */
KAVOAPI int32_t WINAPI qa_wmf_draw(HDC hdc, HMETAFILE metafile, int32_t left, int32_t top, int32_t right,
                                   int32_t bottom) KAVOAPI_NOEXCEPT;
/**
 * Puts a copy of a metafile on the clipboard, which then owns it.  Shows
 * "Cannot create metafile!", "Error creating metafile!" or "Cannot open
 * clipboard!" on failure.
 * @param metafile the metafile; stays the caller's
 * @param width picture width, tenths of a millimetre
 * @param height picture height, tenths of a millimetre
 * @return the result of CloseClipboard; 1 after a failure message
 */
KAVOAPI int32_t WINAPI qa_wmf_to_clipboard(HMETAFILE metafile, int32_t width, int32_t height) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup download Download
 * @brief Models, files and images from the host's server over HTTP, or
 *        from the search folders of qa_init_paths while the module is
 *        offline (it starts offline).
 *
 * Messages, owned by the owner given (none for the model functions):
 * "Unable to get internet connection - abort" when no session can be had,
 * "Password required to download file!" when the server wants a password,
 * and "File memory allocation failed!" when a block for the file cannot be
 * had.  Other failures are silent.
 *
 * A stream is a memory block with its byte count in *size, which belongs
 * to the caller and goes back through qa_release_file_stream under the
 * same offline setting as it was obtained: a host must not change the
 * setting while it holds a stream.
 * @{
 */

/**
 * Stores the download settings, each text cut to its field.
 * @param offline nonzero: look in the search folders instead of the server
 * @param access_user server user, at most 9 characters
 * @param access_password server password, at most 9 characters
 * @param qmodel_base_url base URL of the models, without a trailing "/"
 *        (at most 299 characters)
 * @param thumbnail_base_url base URL of the thumbnails, likewise
 */
KAVOAPI void WINAPI qa_set_net_download_info(int16_t offline, const char *access_user, const char *access_password,
                                             const char *qmodel_base_url,
                                             const char *thumbnail_base_url) KAVOAPI_NOEXCEPT;
/**
 * Tells whether the module is offline.
 * @return the offline flag; 1 until set
 */
KAVOAPI int16_t WINAPI qa_is_net_offline(void) KAVOAPI_NOEXCEPT;
/**
 * Sets a URL fetched instead of every model's URL, for tests.
 * @param url the URL, at most 599 characters; "" for none
 */
KAVOAPI void WINAPI qa_set_qmodel_test_url(const char *url) KAVOAPI_NOEXCEPT;
/**
 * Sets a URL given instead of every thumbnail's URL, for tests.
 * @param url the URL, at most 599 characters; "" for none
 */
KAVOAPI void WINAPI qa_set_thumbnail_test_url(const char *url) KAVOAPI_NOEXCEPT;
/**
 * Writes a model's URL "base/name" (the test URL is not applied).
 * @param name model name
 * @param[out] out the URL, at most 600 bytes
 * @return 0; -1 with out untouched when the base URL or the name is empty
 */
KAVOAPI int32_t WINAPI qa_get_full_qmodel_URL(const char *name, char *out) KAVOAPI_NOEXCEPT;
/**
 * Writes a thumbnail's URL "base/id/thumbnail", or the thumbnail test URL
 * when one is set; out is untouched when neither is set.
 * @param id thumbnail id
 * @param[out] out the URL, at most 600 bytes
 */
KAVOAPI void WINAPI qa_web_page_thumbnail_URL(const char *id, char *out) KAVOAPI_NOEXCEPT;
/**
 * Downloads a URL into a file.
 * @param owner owner of the messages
 * @param url the URL
 * @param file_name the local file, replaced
 * @return 0; -1 on failure (nothing written)
 */
KAVOAPI int32_t WINAPI qa_file_download(HWND owner, const char *url, const char *file_name) KAVOAPI_NOEXCEPT;
/**
 * Downloads a URL into memory.
 * @param owner owner of the messages
 * @param url the URL
 * @param[out] size byte count of the stream, written on success only
 * @return a stream that the caller gives back with qa_release_file_stream;
 *         null on failure
 */
KAVOAPI void *WINAPI qa_file_stream_download(HWND owner, const char *url, int32_t *size) KAVOAPI_NOEXCEPT;
/**
 * Asks the server for a URL's content type.
 * @param owner owner of the messages
 * @param url the URL
 * @param[out] out the content type, at most out_size - 1 characters and a
 *        NUL
 * @param out_size bytes of out
 * @return 0; -1 on failure
 */
KAVOAPI int16_t WINAPI qa_file_get_content_type(HWND owner, const char *url, char *out,
                                                int32_t out_size) KAVOAPI_NOEXCEPT;
/**
 * Hands a model (name upper-cased) to the sibling library's model reader:
 * from the search folders offline, else downloaded.  The last model
 * downloaded is kept, so asking again fetches nothing.  Shows "Model not
 * found\r\n%s" with the name when show_message is set and the name differs
 * from the one asked for before.
 * @param name model name
 * @param show_message nonzero: report a missing model
 * @return the model reader's result; 0 when the model is missing
 */
KAVOAPI int32_t WINAPI qa_read_qmodel(const char *name, uint8_t show_message) KAVOAPI_NOEXCEPT;
/**
 * qa_read_qmodel giving the model's bytes instead.
 * @param name model name
 * @param show_message nonzero: report a missing model
 * @param[out] size byte count of the stream; 0 on failure
 * @return a stream that the caller gives back with qa_release_file_stream;
 *         null when the model is missing
 */
KAVOAPI void *WINAPI qa_read_qmodel_to_stream(const char *name, uint8_t show_message, int32_t *size) KAVOAPI_NOEXCEPT;
/**
 * Gives back a stream of qa_file_stream_download or
 * qa_read_qmodel_to_stream.
 * @param stream the stream, or null
 */
KAVOAPI void WINAPI qa_release_file_stream(void *stream) KAVOAPI_NOEXCEPT;
/**
 * Looks for an image in the search folders, trying ".PNG", ".GIF", ".BMP",
 * ".JPG" in turn.
 * @param name image name without extension, at most 95 characters
 * @param[out] out the first path shorter than out_size - 1; unchanged when
 *        none is found
 * @param out_size bytes of out
 * @return 1 found; 0 not
 */
KAVOAPI int32_t WINAPI qa_get_offline_image_full_filename(const char *name, char *out,
                                                          int32_t out_size) KAVOAPI_NOEXCEPT;
/**
 * qa_get_offline_image_full_filename giving a UTF-16 path.
 * @param name image name without extension, 8-bit
 * @param[out] out the path
 * @param out_size bytes of out
 * @return 1 found; 0 not
 */
KAVOAPI int32_t WINAPI qa_get_offline_image_full_filename_wsz(const char *name, wchar_t *out,
                                                              int32_t out_size) KAVOAPI_NOEXCEPT;
/**
 * Puts "JPG", "PNG", "GIF" or "BMP" after the last "." of a file name
 * when a content type names such an image ("image/jpeg"); else nothing
 * changes.
 * @param[in,out] file_name the file name; room for three more characters
 * @param content_type the content type, under 80 characters
 */
KAVOAPI void WINAPI qa_set_image_file_extension_by_contenttype(char *file_name,
                                                               const char *content_type) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup files File search, ini file and file dialogs
 * @brief Files in the three search folders of qa_init_paths, and the
 *        platform's open and save dialogs.
 * @{
 */

/**
 * Looks for a file in the three search folders, in order.  Shows "Cannot
 * find %s!" with the name, captioned with the application title, without
 * an owner window, when show_message is set and the file is not found.
 * @param[out] out the path, 300 bytes; empty when not found
 * @param name file name
 * @param show_message nonzero: report a missing file
 * @return 1 found; 0 not
 */
KAVOAPI int32_t WINAPI qa_findfile(char *out, const char *name, int32_t show_message) KAVOAPI_NOEXCEPT;
/**
 * qa_findfile with UTF-16 name and path.
 * @param[out] out the path, 300 characters; empty when not found
 * @param name file name
 * @param show_message nonzero: report a missing file
 * @return 1 found; 0 not
 */
KAVOAPI int32_t WINAPI qa_findfilew(wchar_t *out, const wchar_t *name, int32_t show_message) KAVOAPI_NOEXCEPT;
/** Reads the unit system setting again, after the ini file or registry changed. */
KAVOAPI void WINAPI qa_ini_modified(void) KAVOAPI_NOEXCEPT;
/**
 * Shows the platform's open dialog.
 * @param owner owner window
 * @param filter pairs of name and pattern ending in "|", as
 *        L"Data files|*.dat|"
 * @param[in,out] folder the starting folder; the chosen file's folder
 * @param[in,out] file the proposed name; the chosen path
 * @param size bytes of folder and of file
 * @param title dialog title, or null
 * @return 0 chosen; -1, buffers unchanged, when cancelled or the dialog
 *         cannot be shown
 */
KAVOAPI int32_t WINAPI qa_openfile_dlg(HWND owner, const wchar_t *filter, char *folder, char *file, int32_t size,
                                       const wchar_t *title) KAVOAPI_NOEXCEPT;
/**
 * Shows the platform's save dialog, which asks before overwriting.
 * @param owner owner window
 * @param filter pairs of name and pattern ending in "|"
 * @param default_extension added to a name typed without one, or null
 * @param[in,out] folder the starting folder; the chosen file's folder
 * @param[in,out] file the proposed name; the chosen path
 * @param size bytes of folder and of file
 * @param title dialog title, or null
 * @return 0 chosen; -1, buffers unchanged, when cancelled or the dialog
 *         cannot be shown
 */
KAVOAPI int32_t WINAPI qa_savefile_dlg(HWND owner, const wchar_t *filter, const wchar_t *default_extension,
                                       char *folder, char *file, int32_t size, const wchar_t *title) KAVOAPI_NOEXCEPT;

/** @} */

/**
 * @defgroup numbers Number formatting and GUIDs
 * @brief Short number texts and GUID texts.
 *
 * No function here shows a message.
 * @{
 */

/**
 * Formats a number with `decimals` digits, then drops insignificant zeros
 * and a bare decimal point, and turns "-0" into "0" (2.5 with 4 decimals
 * gives "2.5").
 * @param[out] buffer the text, cut to size - 1 characters
 * @param size bytes of buffer
 * @param value the number
 * @param decimals digits after the point; negative: six
 * @return the length of the text
 */
KAVOAPI int32_t WINAPI qa_smart_sprint(char *buffer, int32_t size, double value, int32_t decimals) KAVOAPI_NOEXCEPT;
/**
 * qa_smart_sprint in UTF-16.
 * @param[out] buffer the text, cut to size - 1 units
 * @param size UTF-16 units of buffer
 * @param value the number
 * @param decimals digits after the point; negative: six
 * @return the length of the text
 */
KAVOAPI int32_t WINAPI qa_smart_sprintw(wchar_t *buffer, int32_t size, double value,
                                        int32_t decimals) KAVOAPI_NOEXCEPT;
/**
 * Makes a new GUID as 32 upper-case hexadecimal digits, without hyphens.
 * @param[out] out 33 bytes
 * @return 0; -1 when the platform could not make a UUID
 */
KAVOAPI int32_t WINAPI qa_create_guid(char *out) KAVOAPI_NOEXCEPT;

/** @} */

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_H */
