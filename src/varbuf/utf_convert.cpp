#include "varbuf/utf_convert.h"

#include <cstring>

namespace kavo {
namespace {

constexpr uint32_t kReplacement = 0xFFFD;

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one character at text; sets *used to the bytes consumed.  An
// invalid sequence gives U+FFFD and consumes what the platform's decoder
// consumes: the rest of the text when the sequence would run past its NUL;
// the lead alone when it is no lead (C0, C1 and F5 up included) or its second
// byte is no continuation byte; the lead and its second
// byte when these already make the value an overlong form or a surrogate,
// or (four-byte forms) when the third byte would go past U+10FFFF.
uint32_t decode_utf8(const unsigned char *text, std::size_t available, std::size_t *used)
{
    const unsigned char lead = text[0];
    *used = 1;
    if (lead < 0x80)
        return lead;
    int extra;
    if (lead >= 0xC2 && lead <= 0xDF)
        extra = 1;
    else if (lead >= 0xE0 && lead <= 0xEF)
        extra = 2;
    else if (lead >= 0xF0 && lead <= 0xF4)
        extra = 3;
    else
        return kReplacement;
    // available counts the bytes after the lead, the NUL included.
    if (static_cast<std::size_t>(extra) > available) {
        *used = available;
        return kReplacement;
    }

    uint32_t code = lead & (0x7Fu >> (extra + 1));
    for (int i = 1; i <= extra; ++i) {
        const unsigned char byte = text[i];
        if (!continuation(byte))
            return kReplacement;
        const uint32_t next = (code << 6) | (byte & 0x3Fu);
        if (extra == 3 && i == 2 && (next << 6) >= 0x110000)
            return kReplacement; // the third byte is not consumed
        code = next;
        *used = static_cast<std::size_t>(i) + 1;
        // Overlong forms and surrogates show as soon as their bits do.
        if (extra == 3 && i == 1 && code < 0x10)
            return kReplacement;
        if (extra == 2 && i == 1 && (code < 0x20 || (code >= (0xD800 >> 6) && code <= (0xDFFF >> 6))))
            return kReplacement;
    }
    return code;
}

std::size_t encode_utf8(uint32_t code, char *out)
{
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | (code >> 6));
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (code >> 12));
        out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (code >> 18));
    out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (code & 0x3F));
    return 4;
}

} // namespace

std::size_t utf16_to_utf8(const uint16_t *text, std::size_t length, char *out, std::size_t out_size)
{
    if (!out || out_size == 0)
        return 0;
    std::size_t written = 0;
    for (std::size_t i = 0; text && i < length && text[i]; ++i) {
        uint32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        char bytes[4];
        const std::size_t n = encode_utf8(code, bytes);
        if (written + n > out_size - 1)
            break;
        for (std::size_t k = 0; k < n; ++k)
            out[written++] = bytes[k];
    }
    out[written] = 0;
    return written;
}

std::size_t utf8_to_utf16(const char *text, uint16_t *out, std::size_t max_units)
{
    if (!out || !text)
        return 0;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    std::size_t left = std::strlen(text);
    std::size_t written = 0;
    while (*p) {
        std::size_t used = 1;
        const uint32_t code = decode_utf8(p, left, &used);
        left -= used;
        p += used;
        if (code >= 0x10000) {
            if (written + 2 > max_units)
                return written;
            out[written++] = static_cast<uint16_t>(0xD800 + ((code - 0x10000) >> 10));
            out[written++] = static_cast<uint16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            if (written + 1 > max_units)
                return written;
            out[written++] = static_cast<uint16_t>(code);
        }
    }
    if (written < max_units)
        out[written] = 0;
    return written;
}

} // namespace kavo
