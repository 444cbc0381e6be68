// The record codecs: rooms, installations and the other sub-records of a
// design, the product modules, whole designs, drawing data, and product
// parameters with accessories.  Readers take an ItemFinder so that a whole
// design is read from one index of its text; writers append items with the
// varbuf primitives and go on past an item that does not fit.
#pragma once

#include <cstddef>
#include <cstdint>

#include "varbuf/item_finder.h"
#include "varbuf/varbuf.h"

namespace kavo {

// Array bounds that the counts of a record may not pass, in either
// direction.
inline constexpr int kMaxIndexedEntry = 19; // INR, INC: highest IR/IC entry
inline constexpr int kMaxInstallationEntries = 50; // INT + INV + INW
inline constexpr int kMaxParams = 40;
inline constexpr int kBeamModules = 7;
inline constexpr int kPanelModules = 3;

// ---- sub-records -------------------------------------------------------
int read_room(room &r, const ItemFinder &text);
int write_room(const room &r, char *text, int size);
int read_installation(installation &inst, const ItemFinder &text);
int write_installation(const installation &inst, char *text, int size);
int read_surfaces(surfaces &s, const ItemFinder &text);
int write_surfaces(const surfaces &s, char *text, int size);
int read_oe_data(oe_data &oe, const ItemFinder &text);
int write_oe_data(const oe_data &oe, char *text, int size);
int read_h_data(h_data &h, const ItemFinder &text);
int write_h_data(const h_data &h, char *text, int size);
int read_s_data(s_data &s, const ItemFinder &text);
int write_s_data(const s_data &s, char *text, int size);
int read_u_data(u_data &u, const ItemFinder &text);
int write_u_data(const u_data &u, char *text, int size);

// ---- product modules ---------------------------------------------------
int read_beam_module(beam_module &beam, const ItemFinder &text);
int write_beam(const beam_module &beam, bool s_case, bool w_case, char *text, int size);
int read_panel_module(panel_module &panel, const ItemFinder &text);
int write_panel(const panel_module &panel, bool s_case, bool w_case, char *text, int size);
int read_m_data(m_data &m, const ItemFinder &text);
int write_m_data(const m_data &m, bool s_case, bool w_case, char *text, int size);
int read_d_data(d_data &d, const ItemFinder &text);
int write_d_data(const d_data &d, bool s_case, bool w_case, char *text, int size);

// ---- whole designs -----------------------------------------------------
// INR x INC as a float, 1 when that is below 0.9.
float unit_count(const installation &inst);
void set_summary_q(designdata &design, float value, float divisor);
int read_designdata(designdata &design, const ItemFinder &text);
int write_designdata(const designdata &design, char *text, int size);
int beam_module_to_designdata(designdata &design, bool clear, bool with_room, const char *module_tag,
                              const char *case_tag, const char *text);
int panel_module_to_designdata(designdata &design, bool clear, bool with_room, const char *case_tag,
                               const char *text);

// ---- drawing data ------------------------------------------------------
void read_drawingdata(drawingdata &drawing, const char *tag, const ItemFinder &text);
void write_drawingdata(const drawingdata &drawing, char *text, int size);

// ---- product parameters and accessories --------------------------------
int get_propar(const propar_entry *entries, int count, const char *key, char *out, int out_size);
void set_propar(propar_entry *entries, int16_t *count, const char *key, const char *value);
int write_params_ex(const propar_entry *entries, const char *accessories, int count, char *text, std::size_t size);
int write_md_params(designdata &design, const char *text);
// Joins up to three parameter texts into out (at most out_size - 1
// characters) and turns the commas before "AC=" into "|".
void ext_params_to_szv(const char *first, const char *second, const char *third, char *out, std::size_t out_size);
// The size that ext_params_to_szv needs for the three texts.
std::size_t ext_params_size(const char *first, const char *second, const char *third);
int find_ext_param_value(const char *first, const char *second, const char *third, const char *key, char *out,
                         int out_size);
int is_accessory_set_sz(const char *list, const char *code);

// ---- shared by the codecs ----------------------------------------------
// Fixed record texts: at most size - 1 characters count, whether or not the
// host ended the field with a NUL.
bool same_field_text(const char *a, const char *b, std::size_t size);
void set_field_text(char *field, std::size_t size, const char *text);

} // namespace kavo
