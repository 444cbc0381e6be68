// The record database exports: a table of open databases, each with its two
// file paths and, while open for reading or update, the decoded records.
#include <windows.h>

#include <memory>
#include <new>
#include <vector>

#include "vantmods/file_bytes.h"
#include "util/guard.h"
#include "vantmods/recdb.h"
#include "vantmods/vantmods.h"

// A found record keeps the decoded database alive, so a record handed out
// stays readable even after the file was closed under it.
struct qbrec {
    std::shared_ptr<const vantmods::Database> database;
    const vantmods::Record *record;
};

namespace vantmods {
namespace {

enum class FileMode { closed, reading, update };

struct OpenDatabase {
    bool in_use = false;
    std::string file1, file2;
    FileMode mode = FileMode::closed;
    std::shared_ptr<const Database> records; // set while mode != closed
};

constexpr std::size_t kMaxDatabases = 64;

std::vector<OpenDatabase> &databases()
{
    static std::vector<OpenDatabase> table(kMaxDatabases);
    return table;
}

OpenDatabase *lookup(int16_t handle)
{
    if (handle < 0 || static_cast<std::size_t>(handle) >= kMaxDatabases)
        return nullptr;
    OpenDatabase &db = databases()[static_cast<std::size_t>(handle)];
    return db.in_use ? &db : nullptr;
}

std::shared_ptr<const Database> load(const std::string &file1, const std::string &file2)
{
    std::string data, index;
    if (!read_file_bytes(file1.c_str(), data) || !read_file_bytes(file2.c_str(), index))
        return nullptr;
    std::optional<Database> db = decode_database(data, index);
    if (!db)
        return nullptr;
    return std::make_shared<const Database>(std::move(*db));
}

bool writable(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

int16_t begin(int16_t handle, FileMode mode)
{
    OpenDatabase *db = lookup(handle);
    if (!db)
        return -1;
    if (db->mode == mode)
        return 0;
    if (db->mode != FileMode::closed)
        return -3; // reading must end before an update begins, and back
    if (mode == FileMode::update && (!writable(db->file1) || !writable(db->file2)))
        return -2;
    db->records = load(db->file1, db->file2);
    if (!db->records)
        return -2;
    db->mode = mode;
    return 0;
}

int16_t end(int16_t handle)
{
    OpenDatabase *db = lookup(handle);
    if (!db)
        return -1;
    db->mode = FileMode::closed;
    db->records.reset();
    return 0;
}

const Attribute *attribute(const qbrec *record, int16_t id)
{
    return record && record->record ? record->record->find(static_cast<uint16_t>(id)) : nullptr;
}

std::wstring utf8_to_wide(const std::string &text)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

} // namespace
} // namespace vantmods

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
