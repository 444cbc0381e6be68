// The C heap for the image readers' blocks, refusing blocks above a limit
// (a lying header must not make a test or the fuzzer allocate gigabytes)
// and counting what is live, so that a test can see every block given back.
#pragma once

#include <cstdlib>

#include "graphics/gif_decoder.h"

namespace kavo_test {

struct CappedHeap final : kavo::BlockAllocator {
    explicit CappedHeap(std::size_t cap) : limit(cap) {}
    void *allocate(std::size_t size) override
    {
        if (size > limit)
            return nullptr;
        ++live;
        return std::malloc(size);
    }
    void release(void *block) override
    {
        --live;
        std::free(block);
    }
    const std::size_t limit;
    int live = 0;
};

} // namespace kavo_test
