// Language databases for the tests, made the way a host team makes them:
// a language table run through langdb.exe, which sits beside the tests.
#pragma once

#include <process.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "support/dialog_watch.h"

namespace kavo_test {

struct LanguageFiles {
    std::string table, data, index;
    DWORD exit_code = 1;

    void remove() const
    {
        for (const std::string *file : {&table, &data, &index})
            DeleteFileA(file->c_str());
    }
};

// Writes `tsv` and runs langdb on it; the outputs are named after `name` in
// the temporary folder.
inline LanguageFiles run_langdb(const std::string &tsv, const std::string &name)
{
    LanguageFiles files{temp_path(name + ".tsv"), temp_path(name + ".dat"), temp_path(name + ".idx")};
    files.remove();
    std::ofstream(files.table, std::ios::binary) << tsv;
    char test[MAX_PATH];
    std::string tool(test, GetModuleFileNameA(nullptr, test, MAX_PATH));
    tool = tool.substr(0, tool.find_last_of("\\/") + 1) + "langdb.exe";
    const auto quoted = [](const std::string &text) { return "\"" + text + "\""; };
    files.exit_code = static_cast<DWORD>(_spawnl(_P_WAIT, tool.c_str(), quoted(tool).c_str(),
                                                 quoted(files.table).c_str(), quoted(files.data).c_str(),
                                                 quoted(files.index).c_str(), nullptr));
    return files;
}

} // namespace kavo_test
