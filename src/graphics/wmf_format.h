// Placeable Windows metafiles: the 22-byte header in front of the standard
// metafile bytes, the aspect ratio of its bounding box, and a check that
// the standard bytes hold together before the platform plays them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

inline constexpr std::size_t kPlaceableHeaderSize = 22;
inline constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;

// True when the 22 bytes start with the placeable key; *aspect is then
// |bottom - top| / |right - left|, or 1.0 for a box of width 0.
bool wmf_placeable_header(const uint8_t *header, std::size_t size, float *aspect);

// True when the metafile bytes have a standard header and a chain of
// records that stays inside them up to the end record.
bool wmf_bits_hold_together(const uint8_t *bits, std::size_t size);

} // namespace kavo
