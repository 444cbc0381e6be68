// Filter lists and folders of paths for the file dialogs.
#include "files/file_paths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kavo;

namespace {

// The entries of a double-NUL-terminated list.
std::vector<std::u16string> entries_of(const char16_t *list)
{
    std::vector<std::u16string> entries;
    for (const char16_t *p = list; *p; p += entries.back().size() + 1)
        entries.emplace_back(p);
    return entries;
}

TEST(FilterList, BarsBecomeNulsWithDoubleNulAtTheEnd)
{
    char16_t list[kFilterListChars];
    filter_to_list(u"Data files|*.dat|", list);
    EXPECT_EQ(entries_of(list), (std::vector<std::u16string>{u"Data files", u"*.dat"}));
    EXPECT_EQ(std::u16string(list, 18), std::u16string(u"Data files\0*.dat\0\0", 18));

    filter_to_list(u"Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*|", list);
    EXPECT_EQ(entries_of(list).size(), 4u);

    // A filter without the closing bar still ends in two NULs.
    filter_to_list(u"A|*.a", list);
    EXPECT_EQ(entries_of(list), (std::vector<std::u16string>{u"A", u"*.a"}));

    filter_to_list(nullptr, list);
    EXPECT_TRUE(entries_of(list).empty());
}

TEST(FilterList, OverlongFilterIsCutAt399Characters)
{
    std::u16string filter(600, u'x');
    filter[10] = u'|';
    std::vector<char16_t> list(kFilterListChars + 8, u'#');
    filter_to_list(filter.c_str(), list.data());
    EXPECT_EQ(list[398], u'x');
    EXPECT_EQ(list[399], 0);
    EXPECT_EQ(list[400], 0);
    EXPECT_EQ(list[401], u'#') << "nothing written past the list";
}

TEST(DirOfPath, TextBeforeTheLastBackslash)
{
    const struct {
        const char *path;
        const char *folder;
    } cases[] = {
        {"C:\\data\\models\\m1.dat", "C:\\data\\models"},
        {"m1.dat", ""},
        {"", ""},
        {"\\m1.dat", ""},
        {"C:\\", "C:"},
        {"\\\\server\\share\\x", "\\\\server\\share"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        char folder[300];
        std::memset(folder, 'z', sizeof folder);
        dir_of_path(folder, sizeof folder, c.path);
        EXPECT_STREQ(folder, c.folder);
        // In place, as after the dialogs.
        char both[300];
        std::strcpy(both, c.path);
        dir_of_path(both, sizeof both, both);
        EXPECT_STREQ(both, c.folder);
    }
}

TEST(DirOfPath, OnlyThe398FirstCharactersCountAndTheFolderFits)
{
    std::string path = "C:\\" + std::string(400, 'a') + "\\b.dat";
    char folder[500];
    dir_of_path(folder, sizeof folder, path.c_str());
    EXPECT_STREQ(folder, "C:") << "the last backslash within 398 characters";
    path = std::string(100, 'a') + "\\" + std::string(50, 'b') + "\\c";
    char small[20];
    dir_of_path(small, sizeof small, path.c_str());
    EXPECT_EQ(std::string(small), std::string(19, 'a'));
}

} // namespace
