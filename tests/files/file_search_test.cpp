// File search in the host's folders, and the platform's file dialogs driven
// from a hook, through the DLL.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

// A fresh folder in the temporary folder; its files go again at the end.
class TempFolder {
public:
    explicit TempFolder(const char *name)
    {
        path_ = kavo_test::temp_path("kavo_" + std::string(name) + std::to_string(GetCurrentProcessId()));
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::string &file : files_)
            DeleteFileA(file.c_str()) || RemoveDirectoryA(file.c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string add(const char *name, bool folder = false)
    {
        files_.push_back(path_ + "\\" + name);
        if (folder)
            CreateDirectoryA(files_.back().c_str(), nullptr);
        else
            CloseHandle(CreateFileA(files_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        return files_.back();
    }
    const std::string &path() const { return path_; }

private:
    std::string path_;
    std::vector<std::string> files_;
};

class FileSearch : public ::testing::Test {
protected:
    void TearDown() override { qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr); }
    TempFolder a_{"a"};
    TempFolder b_{"b"};
};

TEST_F(FileSearch, FoldersInOrderAndTheMessageWhenAskedFor)
{
    const std::string in_a = a_.add("both.dat");
    b_.add("both.dat");
    const std::string in_b = b_.add("only_b.dat");
    const std::string folder_in_b = b_.add("sub", true);
    qa_init_paths("Host title", a_.path().c_str(), "", b_.path().c_str(), "");

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
    EXPECT_TRUE(watch.seen().empty());
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

TEST_F(FileSearch, OpenDialogWritesFolderAndFileBackOrNothingWhenCancelled)
{
    const std::string chosen = a_.add("m1.dat");
    char folder[300];
    char file[300] = "keep.dat";
    std::strcpy(folder, a_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(nullptr));
    EXPECT_EQ(qa_openfile_dlg(nullptr, L"Data files|*.dat|", folder, file, sizeof folder, nullptr), -1);
    EXPECT_STREQ(file, "keep.dat");

    watch.set_action(choose(L"m1.dat"));
    EXPECT_EQ(qa_openfile_dlg(nullptr, L"Data files|*.dat|All files|*.*|", folder, file, sizeof folder, L"Pick"), 0);
    EXPECT_EQ(file, chosen);
    EXPECT_EQ(folder, a_.path());
    ASSERT_EQ(watch.seen().size(), 2u);
    EXPECT_EQ(watch.seen()[1].caption, "Pick");
}

TEST_F(FileSearch, SaveDialogAddsTheDefaultExtension)
{
    char folder[300];
    char file[300] = "";
    std::strcpy(folder, b_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(nullptr));
    EXPECT_EQ(qa_savefile_dlg(nullptr, L"Data files|*.dat|", L"dat", folder, file, sizeof folder, nullptr), -1);
    EXPECT_EQ(folder, b_.path());
    watch.set_action(choose(L"new"));
    EXPECT_EQ(qa_savefile_dlg(nullptr, L"Data files|*.dat|", L"dat", folder, file, sizeof folder, L"Save"), 0);
    EXPECT_EQ(file, b_.path() + "\\new.dat");
    EXPECT_EQ(folder, b_.path());
}

TEST_F(FileSearch, DialogResultLongerThanTheBuffersIsCut)
{
    const std::string chosen = a_.add("m2.dat");
    char folder[300];
    char file[300];
    std::memset(file, '#', sizeof file);
    file[0] = 0;
    std::strcpy(folder, a_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(L"m2.dat"));
    EXPECT_EQ(qa_openfile_dlg(nullptr, L"All|*.*|", folder, file, 8, nullptr), 0);
    EXPECT_EQ(std::string(file), chosen.substr(0, 7));
    EXPECT_EQ(file[8], '#') << "nothing written past the size";
    EXPECT_EQ(std::string(folder), chosen.substr(0, 2)) << "the folder of the cut path";
}

} // namespace
