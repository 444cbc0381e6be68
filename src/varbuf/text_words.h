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

// The index of the first zero byte of a word, or 8.
constexpr std::size_t first_zero_byte(uint64_t word)
{
    const uint64_t zeros = zero_bytes(word);
    return zeros ? static_cast<std::size_t>(__builtin_ctzll(zeros)) / 8 : 8;
}

// The first `length` bytes of a word (length at most 8).
constexpr uint64_t low_bytes(uint64_t word, std::size_t length)
{
    return length >= 8 ? word : word & ((uint64_t{1} << (8 * length)) - 1);
}

// Keys hash by 8-byte chunks with their length last, so that a key can be
// hashed while it is read and a short key from one word.
inline constexpr uint64_t kHashSeed = 0x9E3779B97F4A7C15u;
inline constexpr uint64_t kHashPrime = 0xFF51AFD7ED558CCDu;

constexpr uint64_t hash_chunk(uint64_t hash, uint64_t chunk)
{
    hash = (hash ^ chunk) * kHashPrime;
    return hash ^ (hash >> 29);
}

constexpr uint32_t hash_end(uint64_t hash, std::size_t length)
{
    hash = hash_chunk(hash, length);
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

// The hash of a key of at most 8 bytes, given as its word.
constexpr uint32_t short_key_hash(uint64_t head, std::size_t length) { return hash_end(hash_chunk(kHashSeed, head), length); }

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

// A number of at most 8 bytes held in a word (zero beyond its length):
// "-"?digits, or with `point` "-"?digits("."digits)?, and nothing else.
// The digits are read together into `mantissa`; false for any other text,
// more than `max_digits` digits or none.
struct WordNumber {
    uint32_t mantissa = 0;
    int decimals = 0;
    bool negative = false;
};
bool read_word_number(uint64_t word, std::size_t length, bool point, std::size_t max_digits, WordNumber *out);

// Bit i set where block[i] is "|" or "=", for a block of 64 readable bytes.
uint64_t separator_mask(const char *block);
// The same, eight bytes at a time without vector instructions; the build
// for targets without SSE2 uses it, and tests hold the two to each other.
uint64_t separator_mask_portable(const char *block);

} // namespace kavo::detail
