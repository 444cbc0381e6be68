// The table of open record databases, for the database exports: each with
// its two file paths and, while open for reading or update, the decoded
// records.
#pragma once

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
namespace database_win {

enum class FileMode { closed, reading, update };

struct OpenDatabase {
    bool in_use = false;
    std::string file1, file2;
    FileMode mode = FileMode::closed;
    std::shared_ptr<const Database> records; // set while mode != closed
};

std::vector<OpenDatabase> &databases();

OpenDatabase *lookup(int16_t handle);

std::shared_ptr<const Database> load(const std::string &file1, const std::string &file2);

int16_t begin(int16_t handle, FileMode mode);

int16_t end(int16_t handle);

const Attribute *attribute(const qbrec *record, int16_t id);

std::wstring utf8_to_wide(const std::string &text);

} // namespace database_win
} // namespace vantmods
