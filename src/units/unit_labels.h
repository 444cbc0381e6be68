// Unit labels and decimals of the current property family (ids 10 to 32).
// Labels are Windows-1252 texts: the degree sign is 0xB0, superscript two
// 0xB2 and superscript three 0xB3.  They may carry the label markup of the
// label drawing ("@t" raised, "@b" lowered, "@@" back to the main font),
// which plain controls show as it stands.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

// The longest label has 21 characters; every label buffer holds this much.
inline constexpr std::size_t kLabelCapacity = 22;

// The label of property in system, or null for an id without a label.
const char *unit_label(int16_t system, int32_t property);

// Decimals shown for property in system, or -1 for an id without decimals
// (ids 10 to 31 have them).
int unit_decimals(int16_t system, int32_t property);

} // namespace kavo
