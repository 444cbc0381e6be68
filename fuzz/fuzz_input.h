// Splits a fuzz input into NUL-terminated parts at the first bytes 0x00.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kavo_fuzz {

class Input {
public:
    Input(const uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    // The bytes up to the next NUL (or the end) as a text.
    std::string text()
    {
        std::string out;
        while (pos_ < size_ && data_[pos_] != 0)
            out.push_back(static_cast<char>(data_[pos_++]));
        if (pos_ < size_)
            ++pos_;
        return out;
    }

    int small_int(int limit)
    {
        if (pos_ >= size_)
            return 0;
        return data_[pos_++] % limit;
    }

private:
    const uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace kavo_fuzz
