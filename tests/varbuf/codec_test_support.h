// Shared by the codec tests: read a record from a text, write one into a
// fresh text.
#pragma once

#include <string>
#include <vector>

#include "varbuf/designdata.h"

namespace kavo_test {

template <typename Record, typename Read>
int read_into(Record &record, const char *text, Read read)
{
    return read(record, kavo::IndexedFinder(text));
}

template <typename Write>
std::string written(Write write, int size = 8192)
{
    std::vector<char> text(static_cast<std::size_t>(size), 0);
    write(text.data(), size);
    return text.data();
}

// The text one writer makes of its record (and case flags) in a fresh text.
template <typename Write, typename... Args>
std::string text_of(Write write, const Args &...args)
{
    return written([&](char *text, int size) { write(args..., text, size); });
}

} // namespace kavo_test
