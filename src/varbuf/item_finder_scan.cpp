// The separator scan: where "|" and "=" stand in a 64-byte block, with
// SSE2 where the target has it.
#include "varbuf/item_finder_detail.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kavo {
namespace detail {

BlockMasks separator_masks_portable(const char *block)
{
    BlockMasks masks;
    for (int at = 0; at < 64; at += 8) {
        uint64_t word;
        std::memcpy(&word, block + at, sizeof word);
        const uint64_t bars = zero_bytes(word ^ (kOnes * '|'));
        const uint64_t separators = bars | zero_bytes(word ^ (kOnes * '='));
        // One bit per byte at the bottom of each byte; the multiply gathers
        // byte k's bit into bit 56 + k, with no carries between them.
        constexpr uint64_t kGather = 0x0102040810204080u;
        masks.separators |= ((((separators >> 7) * kGather) >> 56) & 0xFF) << at;
        masks.bars |= ((((bars >> 7) * kGather) >> 56) & 0xFF) << at;
    }
    return masks;
}

BlockMasks separator_masks(const char *block)
{
#if defined(__SSE2__)
    const __m128i bar = _mm_set1_epi8('|'), equals = _mm_set1_epi8('=');
    BlockMasks masks;
    for (int at = 0; at < 64; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block + at));
        const __m128i bars = _mm_cmpeq_epi8(bytes, bar);
        const __m128i separators = _mm_or_si128(bars, _mm_cmpeq_epi8(bytes, equals));
        masks.separators |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(separators))) << at;
        masks.bars |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(bars))) << at;
    }
    return masks;
#else
    return separator_masks_portable(block);
#endif
}

} // namespace detail
} // namespace kavo
