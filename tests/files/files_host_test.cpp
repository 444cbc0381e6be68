// File search in the host's folders, the platform's file dialogs driven
// from a hook, GUIDs and number texts, through the DLL.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

class FileSearch : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (auto made = made_.rbegin(); made != made_.rend(); ++made)
            DeleteFileA(made->c_str()) || RemoveDirectoryA(made->c_str());
        qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    // A file or folder that goes again after the test.
    std::string make(const std::string &path, bool folder = false)
    {
        if (folder)
            CreateDirectoryA(path.c_str(), nullptr);
        else
            CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        made_.push_back(path);
        return path;
    }
    std::vector<std::string> made_;
    const std::string a_ = make(kavo_test::temp_path("kavo_a" + std::to_string(GetCurrentProcessId())), true);
    const std::string b_ = make(kavo_test::temp_path("kavo_b" + std::to_string(GetCurrentProcessId())), true);
};

TEST_F(FileSearch, FoldersInOrderAndTheMessageOnlyWhenAskedFor)
{
    const std::string in_a = make(a_ + "\\both.dat");
    make(b_ + "\\both.dat");
    const std::string in_b = make(b_ + "\\only_b.dat");
    const std::string folder_in_b = make(b_ + "\\sub", true);
    qa_init_paths("Host title", a_.c_str(), "", b_.c_str(), "");

    char out[300];
    EXPECT_EQ(qa_findfile(out, "both.dat", 0), 1);
    EXPECT_EQ(out, in_a);
    EXPECT_EQ(qa_findfile(out, "sub", 0), 1) << "a folder counts";
    EXPECT_EQ(out, folder_in_b);
    wchar_t wout[300];
    EXPECT_EQ(qa_findfilew(wout, L"only_b.dat", 0), 1);
    EXPECT_EQ(std::wstring(wout), std::wstring(in_b.begin(), in_b.end()));

    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_findfile(out, "x.dat", 0), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(qa_findfile(out, "x.dat", 1), 0);
    EXPECT_EQ(qa_findfilew(wout, L"y.dat", 7), 0);
    EXPECT_EQ(wout[0], 0);
    ASSERT_EQ(watch.seen().size(), 2u);
    EXPECT_EQ(watch.seen()[0].message(), "Cannot find x.dat!");
    EXPECT_EQ(watch.seen()[1].message(), "Cannot find y.dat!");
    EXPECT_EQ(watch.seen()[1].caption, "Host title");
    EXPECT_EQ(watch.seen()[1].owner, nullptr);

    EXPECT_EQ(qa_findfile(out, std::string(400, 'n').c_str(), 0), 0) << "a path of at most 299 characters";
}

// Types `name` into a file dialog's name field and presses OK, or presses
// Cancel when name is null.
std::function<void(HWND)> choose(const wchar_t *name)
{
    return [name](HWND window) {
        for (int id : {cmb13, edt1}) {
            if (name && GetDlgItem(window, id))
                SetDlgItemTextW(window, id, name);
        }
        const int button = name ? IDOK : IDCANCEL;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    };
}

TEST_F(FileSearch, DialogsWriteFolderAndFileBackCutToTheBuffersOrNothingWhenCancelled)
{
    const std::string chosen = make(a_ + "\\m1.dat");
    const struct {
        bool save;
        const wchar_t *name;
        int32_t size, result;
        std::string file, folder;
    } cases[] = {
        {false, nullptr, 300, -1, "keep", a_},
        {false, L"m1.dat", 300, 0, chosen, a_},
        {false, L"m1.dat", 8, 0, chosen.substr(0, 7), chosen.substr(0, 2)}, // the folder of the cut path
        {true, nullptr, 300, -1, "keep", a_},
        {true, L"new", 300, 0, a_ + "\\new.dat", a_}, // the default extension added
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        char folder[301], file[301];
        std::memset(file, '#', sizeof file);
        std::strcpy(file, "keep");
        std::strcpy(folder, a_.c_str());
        kavo_test::DialogWatch watch;
        watch.set_action(choose(c.name));
        const wchar_t *filter = L"Data files|*.dat|All files|*.*|";
        EXPECT_EQ(c.save ? qa_savefile_dlg(nullptr, filter, L"dat", folder, file, c.size, L"Pick")
                         : qa_openfile_dlg(nullptr, filter, folder, file, c.size, L"Pick"),
                  c.result);
        EXPECT_EQ(file, c.file);
        EXPECT_EQ(file[c.size], '#') << "nothing written past the size";
        EXPECT_EQ(folder, c.folder);
        ASSERT_EQ(watch.seen().size(), 1u);
        EXPECT_EQ(watch.seen()[0].caption, "Pick");
    }
}

TEST(CreateGuid, ThirtyTwoUpperCaseHexDigitsNewEachTime)
{
    char first[33], second[33];
    ASSERT_EQ(qa_create_guid(first), 0);
    ASSERT_EQ(qa_create_guid(second), 0);
    EXPECT_EQ(std::string(first).find_first_not_of("0123456789ABCDEF"), std::string::npos) << first;
    EXPECT_EQ(std::string(first).size(), 32u);
    EXPECT_STRNE(first, second);
    EXPECT_EQ(qa_create_guid(nullptr), -1);
}

TEST(SmartSprint, TheWideFormsSizeCountsCharacters)
{
    wchar_t wide[8];
    EXPECT_EQ(qa_smart_sprintw(wide, 3, 1234.5, 1), 2);
    EXPECT_STREQ(wide, L"12");
}

} // namespace
