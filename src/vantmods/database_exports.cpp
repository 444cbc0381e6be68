// The record database exports.
#include <windows.h>
#include <memory>
#include <new>
#include <vector>
#include "vantmods/file_bytes.h"
#include "util/guard.h"
#include "vantmods/recdb.h"
#include "vantmods/vantmods.h"
#include "vantmods/database_win.h"

namespace vantmods {
using namespace database_win;
}

using namespace vantmods;
using kavo::guarded;

extern "C" int16_t WINAPI qbopendatabase(const char *file1, const char *file2, int32_t) noexcept
{
    return guarded(int16_t{-1}, [&]() -> int16_t {
        if (!file1 || !file2 || !load(file1, file2))
            return -1;
        std::vector<OpenDatabase> &table = databases();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].in_use)
                continue;
            table[i] = OpenDatabase{true, file1, file2, FileMode::closed, nullptr};
            return static_cast<int16_t>(i);
        }
        return -2; // every slot taken
    });
}

extern "C" int16_t WINAPI qbclosedatabase(int16_t handle) noexcept
{
    OpenDatabase *db = lookup(handle);
    if (!db)
        return -1;
    *db = OpenDatabase{};
    return 0;
}

extern "C" int16_t WINAPI qbfileisopen(int16_t handle) noexcept
{
    OpenDatabase *db = lookup(handle);
    return db && db->mode != FileMode::closed ? 1 : 0;
}

extern "C" int16_t WINAPI qbbeginquickread(int16_t handle) noexcept
{
    return guarded(int16_t{-2}, [&] { return begin(handle, FileMode::reading); });
}

extern "C" int16_t WINAPI qbbeginquickupdate(int16_t handle) noexcept
{
    return guarded(int16_t{-2}, [&] { return begin(handle, FileMode::update); });
}

extern "C" int16_t WINAPI qbendquick(int16_t handle) noexcept
{
    return end(handle);
}

extern "C" int16_t WINAPI qbclosefile(int16_t handle) noexcept
{
    return end(handle);
}

extern "C" qbrec *WINAPI qbfindrec(int16_t handle, const char *type, const int32_t *key, int32_t) noexcept
{
    // The lookup copies the type into a probe record, which may allocate.
    return guarded<qbrec *>(nullptr, [&]() -> qbrec * {
        OpenDatabase *db = lookup(handle);
        if (!db || !db->records || !type || !key)
            return nullptr;
        const Record *record = db->records->find(type, static_cast<uint32_t>(*key));
        if (!record)
            return nullptr;
        return new (std::nothrow) qbrec{db->records, record};
    });
}

extern "C" int32_t WINAPI qbcopyatt(int16_t, qbrec *record, int16_t att_id, int32_t *length, char *out,
                                    int32_t size) noexcept
{
    if (out && size > 0)
        out[0] = '\0';
    if (length)
        *length = 0;
    const Attribute *att = attribute(record, att_id);
    if (!att)
        return 0;
    if (!out || size <= 0)
        return 1;
    return guarded(int32_t{1}, [&] {
        const std::wstring wide = utf8_to_wide(att->text);
        int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out, size - 1, nullptr,
                                    nullptr);
        if (n <= 0 && !wide.empty()) {
            // Too long for out: convert whole, then cut to the room there is.
            const int full = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                                 nullptr, nullptr);
            std::string ansi(static_cast<std::size_t>(full > 0 ? full : 0), '\0');
            if (full > 0)
                WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &ansi[0], full, nullptr,
                                    nullptr);
            n = static_cast<int>(ansi.copy(out, static_cast<std::size_t>(size - 1)));
        }
        out[n > 0 ? n : 0] = '\0';
        if (length)
            *length = n > 0 ? n : 0;
        return int32_t{1};
    });
}

extern "C" int32_t WINAPI qbcopywsz(int16_t, qbrec *record, int16_t att_id, wchar_t *out, int16_t size_bytes,
                                    int32_t) noexcept
{
    const int capacity = size_bytes / 2; // in UTF-16 units, terminator included
    if (out && capacity > 0)
        out[0] = L'\0';
    const Attribute *att = attribute(record, att_id);
    if (!att)
        return 0;
    if (!out || capacity <= 0)
        return 1;
    return guarded(int32_t{1}, [&] {
        const std::wstring wide = utf8_to_wide(att->text);
        const std::size_t n = wide.copy(out, static_cast<std::size_t>(capacity - 1));
        out[n] = L'\0';
        return int32_t{1};
    });
}

extern "C" void WINAPI qbreleaserec(qbrec *record) noexcept
{
    delete record;
}
