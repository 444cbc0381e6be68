#include "listwnd/syscolor_cache_win.h"

#include <cstddef>

namespace kavo {
namespace {

constexpr std::size_t kCacheSize = 20;

struct Entry {
    int index;
    HGDIOBJ object;
};

struct Table {
    Entry entries[kCacheSize];
    std::size_t count;
};

Table pens, brushes;
CRITICAL_SECTION gdi_cache_lock;
bool lock_exists = false;

class CacheLock {
public:
    CacheLock()
    {
        if (lock_exists)
            EnterCriticalSection(&gdi_cache_lock);
    }
    ~CacheLock()
    {
        if (lock_exists)
            LeaveCriticalSection(&gdi_cache_lock);
    }
    CacheLock(const CacheLock &) = delete;
    CacheLock &operator=(const CacheLock &) = delete;
};

// A full table answers with its last object, whatever its colour: the
// module never asks for more than a handful of colours.
template <typename Make>
HGDIOBJ cached(Table &table, int index, Make make)
{
    CacheLock lock;
    for (std::size_t i = 0; i < table.count; ++i) {
        if (table.entries[i].index == index)
            return table.entries[i].object;
    }
    if (table.count == kCacheSize)
        return table.entries[kCacheSize - 1].object;
    HGDIOBJ object = make(GetSysColor(index));
    if (object)
        table.entries[table.count++] = {index, object};
    return object;
}

void empty(Table &table)
{
    for (std::size_t i = 0; i < table.count; ++i)
        DeleteObject(table.entries[i].object);
    table.count = 0;
}

} // namespace

HPEN syscolor_pen(int index)
{
    return static_cast<HPEN>(cached(pens, index, [](COLORREF c) { return CreatePen(PS_SOLID, 1, c); }));
}

HBRUSH syscolor_brush(int index)
{
    return static_cast<HBRUSH>(cached(brushes, index, [](COLORREF c) { return CreateSolidBrush(c); }));
}

void syscolor_cache_attach()
{
    InitializeCriticalSection(&gdi_cache_lock);
    lock_exists = true;
}

void syscolor_cache_detach()
{
    if (lock_exists) {
        lock_exists = false;
        DeleteCriticalSection(&gdi_cache_lock);
    }
    empty(pens);
    empty(brushes);
}

} // namespace kavo
