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
    char tool[MAX_PATH];
    GetModuleFileNameA(nullptr, tool, MAX_PATH);
    std::string command(tool);
    command = "\"" + command.substr(0, command.find_last_of("\\/") + 1) + "langdb.exe\" \"" + files.table +
              "\" \"" + files.data + "\" \"" + files.index + "\"";
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
