// Where image readers take their bytes from: a file in the shell, memory in
// tests, fuzzers and benchmarks.  Readers never assume a read gives what
// they asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kavo {

class ByteSource {
public:
    // Copies up to count bytes to dst; gives the number copied, 0 at the end.
    virtual std::size_t read(void *dst, std::size_t count) = 0;

protected:
    ~ByteSource() = default;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const void *data, std::size_t size) : data_(static_cast<const uint8_t *>(data)), size_(size) {}

    std::size_t read(void *dst, std::size_t count) override
    {
        const std::size_t n = count < size_ - pos_ ? count : size_ - pos_;
        if (n)
            std::memcpy(dst, data_ + pos_, n);
        pos_ += n;
        return n;
    }

private:
    const uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The blocks an image reader hands out: movable global memory in the shell,
// the C heap elsewhere.  allocate gives null when there is no memory.
class BlockAllocator {
public:
    virtual void *allocate(std::size_t size) = 0;
    virtual void release(void *block) = 0;

protected:
    ~BlockAllocator() = default;
};

} // namespace kavo
