// The table of open record databases, each with its two file paths and,
// while open for reading or update, the decoded records.
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
namespace database_win {

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

} // namespace database_win
} // namespace vantmods
