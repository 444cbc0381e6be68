// Language databases for the tests, made the way a host team makes them:
// a language table run through langdb.exe, which sits beside the tests.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>

#include "support/dialog_watch.h"

namespace kavo_test {

struct LanguageFiles {
    std::string table, data, index;
    DWORD exit_code = 1;

    bool exist() const
    {
        return GetFileAttributesA(data.c_str()) != INVALID_FILE_ATTRIBUTES &&
               GetFileAttributesA(index.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void remove() const
    {
        DeleteFileA(table.c_str());
        DeleteFileA(data.c_str());
        DeleteFileA(index.c_str());
    }
};

inline std::string beside_test(const char *file)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + file;
}

// Writes `tsv` and runs langdb on it; the outputs are named after `name` in
// the temporary folder.
inline LanguageFiles run_langdb(const std::string &tsv, const std::string &name)
{
    LanguageFiles files{temp_path(name + ".tsv"), temp_path(name + ".dat"), temp_path(name + ".idx")};
    files.remove();
    std::ofstream(files.table, std::ios::binary) << tsv;
    std::string command = "\"" + beside_test("langdb.exe") + "\" \"" + files.table + "\" \"" + files.data +
                          "\" \"" + files.index + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &files.exit_code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    return files;
}

// The texts the module's own dialogs use, in two languages, and a few more.
inline const char *kDemoTable = "# demo texts\n"
                                "id\t1505:Old\t1512:English\t1513:Deutsch\t1516:Francais\n"
                                "0\tzero\tzero\tnull\n"
                                "100\t\tWidth|mm\tBreite|mm\n"
                                "101\t\tHeight\tHoehe\n"
                                "102\t\tOnly English\n"
                                "2001\t\tOK\tJawohl\tD'accord\n"
                                "4118\t\tClosing in\tSchliesst in\n"
                                "4119\t\tGr\xC3\xBC\xC3\x9F\\tdich\n";

} // namespace kavo_test
