// Design texts read a word at a time: keys of up to 8 bytes held in one
// little-endian word, their hash, and where the separators "|" and "="
// stand in a block of 64 bytes.  Shared by the keys that readers make and
// the index that answers them, so that both sides agree bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo::detail {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "keys are read as little-endian words");

inline constexpr uint64_t kOnes = 0x0101010101010101u;
inline constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;

// High bit set in each byte of x that is zero, exactly (no false hits from
// borrows, unlike the shorter formula).
constexpr uint64_t zero_bytes(uint64_t x) { return ~(((x & kLow7) + kLow7) | x | kLow7); }

// Whether a word holds the byte c; c is not 0, so zero padding never counts.
constexpr bool has_byte(uint64_t word, unsigned char c) { return zero_bytes(word ^ (kOnes * c)) != 0; }

// The first `length` bytes of a word (length at most 8).
constexpr uint64_t low_bytes(uint64_t word, std::size_t length)
{
    return length >= 8 ? word : word & ((uint64_t{1} << (8 * length)) - 1);
}

// Keys hash by 8-byte chunks, longer ones with their length last.  A key
// of at most 8 bytes is one word with no zero byte inside, so the word
// alone tells it apart and takes one round.
inline constexpr uint64_t kHashSeed = 0x9E3779B97F4A7C15u;
inline constexpr uint64_t kHashPrime = 0xFF51AFD7ED558CCDu;

constexpr uint64_t hash_chunk(uint64_t hash, uint64_t chunk)
{
    hash = (hash ^ chunk) * kHashPrime;
    return hash ^ (hash >> 29);
}

constexpr uint32_t hash_fold(uint64_t hash) { return static_cast<uint32_t>(hash ^ (hash >> 32)); }

constexpr uint32_t short_key_hash(uint64_t head) { return hash_fold(hash_chunk(kHashSeed, head)); }

// What decides whether a finder can answer a short key from its index
// alone: the key is not empty, holds no separator, does not end in a blank
// (blanks are cut from an item's key) and holds none of the Latin-1 letters
// that upper-casing maps beyond ASCII.
constexpr bool short_key_is_plain(uint64_t head, std::size_t length)
{
    if (length == 0 || has_byte(head, '=') || has_byte(head, '|') || ((head >> (8 * (length - 1))) & 0xFF) == ' ')
        return false;
    // Those letters lie above 127: plain ASCII keys skip the search.
    return (head & (kOnes << 7)) == 0 || !(has_byte(head, 228) || has_byte(head, 246) || has_byte(head, 229));
}

// Eight digit values (0 to 9), the first in the lowest byte, as one number:
// neighbours are paired, then pairs of pairs, then the two halves.
constexpr uint32_t eight_digits(uint64_t digits)
{
    digits = digits * 10 + (digits >> 8);
    digits = ((digits & 0x000000FF000000FFu) * (100 + (uint64_t{1000000} << 32)) +
              ((digits >> 16) & 0x000000FF000000FFu) * (1 + (uint64_t{10000} << 32))) >>
             32;
    return static_cast<uint32_t>(digits);
}

struct WordNumber {
    uint32_t mantissa = 0;
    int decimals = 0; // digits after the point
    bool negative = false;
};

// A number of at most 8 bytes held in a word (zero beyond its length):
// "-"?digits, or with `point` "-"?digits("."digits)?, and nothing else.
// The digits are read together into `mantissa`; false for any other text,
// more than `max_digits` digits or none.
[[gnu::always_inline]] inline bool read_word_number(uint64_t word, std::size_t length, bool point, std::size_t max_digits,
                                                    WordNumber *out)
{
    out->negative = (word & 0xFF) == '-';
    if (out->negative) {
        word >>= 8;
        --length;
    }
    if (length == 0 || length > 8)
        return false;
    // Digits become 0 to 9; a byte is another character when that leaves
    // it above 9 (no carries cross bytes: each sum stays below 0x100).
    uint64_t values = low_bytes(word ^ (kOnes * '0'), length);
    const uint64_t others = low_bytes((((values & kLow7) + kOnes * 0x76) | values) & (kOnes << 7), length);
    std::size_t digits = length;
    out->decimals = 0;
    if (others != 0) {
        const std::size_t dot = static_cast<std::size_t>(__builtin_ctzll(others)) / 8;
        if (!point || (others & (others - 1)) != 0 || ((values >> (8 * dot)) & 0xFF) != ('.' ^ '0'))
            return false;
        // Close the gap where the point was.
        const uint64_t after = dot + 1 < 8 ? values >> (8 * (dot + 1)) : 0;
        values = low_bytes(values, dot) | (after << (8 * dot));
        out->decimals = static_cast<int>(length - dot - 1);
        --digits;
    }
    if (digits == 0 || digits > max_digits)
        return false;
    // Leading zero digits fill the word from the bottom.
    out->mantissa = eight_digits(values << (8 * (8 - digits)));
    return true;
}


// Bit i set where block[i] is "|" or "=" (separators) and where it is "|"
// (bars), for a block of 64 readable bytes.
struct BlockMasks {
    uint64_t separators = 0;
    uint64_t bars = 0;
};
BlockMasks separator_masks(const char *block);
// The same, eight bytes at a time without vector instructions; the build
// for targets without SSE2 uses it, and tests hold the two to each other.
BlockMasks separator_masks_portable(const char *block);

} // namespace kavo::detail
