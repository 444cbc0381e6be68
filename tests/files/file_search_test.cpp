// File search in the host's folders and the platform's file dialogs driven
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

// A fresh folder below the temporary folder, with files made on request;
// everything goes again at the end.
class TempFolder {
public:
    explicit TempFolder(const char *name)
    {
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        path_ = std::string(base) + "kavo_" + name + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::string &file : files_)
            DeleteFileA(file.c_str()) || RemoveDirectoryA(file.c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string add_file(const char *name)
    {
        const std::string file = path_ + "\\" + name;
        HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(h);
        files_.push_back(file);
        return file;
    }
    std::string add_folder(const char *name)
    {
        const std::string folder = path_ + "\\" + name;
        CreateDirectoryA(folder.c_str(), nullptr);
        files_.push_back(folder);
        return folder;
    }
    const std::string &path() const { return path_; }

private:
    std::string path_;
    std::vector<std::string> files_;
};

std::wstring wide(const std::string &text)
{
    return std::wstring(text.begin(), text.end());
}

class FileSearch : public ::testing::Test {
protected:
    void TearDown() override { qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr); }
    TempFolder a_{"a"};
    TempFolder b_{"b"};
};

TEST_F(FileSearch, FoldersInOrder)
{
    const std::string in_a = a_.add_file("both.dat");
    b_.add_file("both.dat");
    const std::string in_b = b_.add_file("only_b.dat");
    const std::string folder_in_b = b_.add_folder("sub");
    qa_init_paths("Host", a_.path().c_str(), b_.path().c_str(), "", "");

    char out[300];
    EXPECT_EQ(qa_findfile(out, "both.dat", 0), 1);
    EXPECT_EQ(out, in_a);
    EXPECT_EQ(qa_findfile(out, "only_b.dat", 0), 1);
    EXPECT_EQ(out, in_b);
    EXPECT_EQ(qa_findfile(out, "sub", 0), 1) << "a folder counts";
    EXPECT_EQ(out, folder_in_b);

    wchar_t wout[300];
    EXPECT_EQ(qa_findfilew(wout, L"only_b.dat", 0), 1);
    EXPECT_EQ(std::wstring(wout), wide(in_b));
}

TEST_F(FileSearch, NotFoundQuietlyOrWithTheMessage)
{
    qa_init_paths("Host title", a_.path().c_str(), "", b_.path().c_str(), "");
    kavo_test::DialogWatch watch;
    char out[300] = "old";
    EXPECT_EQ(qa_findfile(out, "x.dat", 0), 0);
    EXPECT_STREQ(out, "");
    EXPECT_TRUE(watch.seen().empty());

    EXPECT_EQ(qa_findfile(out, "x.dat", 1), 0);
    wchar_t wout[300] = L"old";
    EXPECT_EQ(qa_findfilew(wout, L"y.dat", 7), 0);
    EXPECT_EQ(wout[0], 0);
    ASSERT_EQ(watch.seen().size(), 2u);
    for (const auto &box : watch.seen()) {
        EXPECT_EQ(box.caption, "Host title");
        EXPECT_EQ(box.owner, nullptr);
    }
    EXPECT_EQ(watch.seen()[0].message(), "Cannot find x.dat!");
    EXPECT_EQ(watch.seen()[1].message(), "Cannot find y.dat!");
}

TEST_F(FileSearch, EmptyFolderFieldsSearchTheRoot)
{
    // With empty folders the path is "\name": the name below the root of
    // the current drive.
    const std::string below_root = a_.path().substr(3); // without "C:\"
    a_.add_file("r.dat");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(a_.path().substr(0, 3).c_str());
    qa_init_paths("T", "", "", "", "");
    char out[300];
    EXPECT_EQ(qa_findfile(out, (below_root + "\\r.dat").c_str(), 0), 1);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(out, "\\" + below_root + "\\r.dat");
}

TEST_F(FileSearch, SearchPathsAreCutAt299Characters)
{
    qa_init_paths("T", a_.path().c_str(), "", "", "");
    const std::string name(400, 'n');
    char out[300] = "old";
    EXPECT_EQ(qa_findfile(out, name.c_str(), 0), 0);
    EXPECT_STREQ(out, "");
}

// Types `name` into the file name field of a file dialog and presses OK, or
// presses Cancel when name is null.  Other boxes (a dialog's own warnings)
// are answered with OK.
std::function<void(HWND)> choose(const wchar_t *name)
{
    return [name](HWND window) {
        const bool file_dialog = GetDlgItem(window, cmb13) || GetDlgItem(window, edt1);
        if (file_dialog && name) {
            for (int id : {cmb13, edt1}) {
                if (GetDlgItem(window, id))
                    SetDlgItemTextW(window, id, name);
            }
        }
        const int button = file_dialog && !name ? IDCANCEL : IDOK;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    };
}

TEST_F(FileSearch, OpenDialogWritesFolderAndFileBack)
{
    const std::string chosen = a_.add_file("m1.dat");
    char folder[300];
    char file[300] = "";
    std::strcpy(folder, a_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(L"m1.dat"));
    EXPECT_EQ(qa_openfile_dlg(nullptr, L"Data files|*.dat|All files|*.*|", folder, file, sizeof folder, L"Pick"), 0);
    EXPECT_EQ(file, chosen);
    EXPECT_EQ(folder, a_.path());
    ASSERT_FALSE(watch.seen().empty());
    EXPECT_EQ(watch.seen()[0].caption, "Pick");
}

TEST_F(FileSearch, CancelledDialogsLeaveTheBuffersAlone)
{
    char folder[300];
    char file[300] = "keep.dat";
    std::strcpy(folder, a_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(nullptr));
    EXPECT_EQ(qa_openfile_dlg(nullptr, L"Data files|*.dat|", folder, file, sizeof folder, nullptr), -1);
    EXPECT_EQ(qa_savefile_dlg(nullptr, L"Data files|*.dat|", L"dat", folder, file, sizeof folder, nullptr), -1);
    EXPECT_EQ(watch.seen().size(), 2u);
    EXPECT_EQ(folder, a_.path());
    EXPECT_STREQ(file, "keep.dat");
}

TEST_F(FileSearch, SaveDialogAddsTheDefaultExtension)
{
    char folder[300];
    char file[300] = "";
    std::strcpy(folder, b_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(L"new"));
    EXPECT_EQ(qa_savefile_dlg(nullptr, L"Data files|*.dat|", L"dat", folder, file, sizeof folder, L"Save as"), 0);
    EXPECT_EQ(file, b_.path() + "\\new.dat");
    EXPECT_EQ(folder, b_.path());
}

TEST_F(FileSearch, ResultLongerThanTheBuffersIsCut)
{
    const std::string chosen = a_.add_file("m2.dat");
    char folder[300];
    char file[300];
    std::memset(file, '#', sizeof file);
    file[0] = 0;
    std::strcpy(folder, a_.path().c_str());
    kavo_test::DialogWatch watch;
    watch.set_action(choose(L"m2.dat"));
    const int32_t size = 8;
    EXPECT_EQ(qa_openfile_dlg(nullptr, L"All|*.*|", folder, file, size, nullptr), 0);
    EXPECT_EQ(std::string(file), chosen.substr(0, size - 1));
    EXPECT_EQ(file[size], '#') << "nothing written past size";
    EXPECT_EQ(std::string(folder), chosen.substr(0, 2)) << "the folder of the cut path";
}

} // namespace
