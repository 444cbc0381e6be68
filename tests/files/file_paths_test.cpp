// Filter lists and folders of paths for the file dialogs.
#include "files/file_paths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace kavo;

namespace {

TEST(FilterList, BarsBecomeNulsWithDoubleNulAtTheEnd)
{
    char16_t list[kFilterListChars + 8];
    filter_to_list(u"Data files|*.dat|", list);
    EXPECT_EQ(std::u16string(list, 18), std::u16string(u"Data files\0*.dat\0\0", 18));
    filter_to_list(u"A|*.a", list);
    EXPECT_EQ(std::u16string(list, 7), std::u16string(u"A\0*.a\0\0", 7)) << "without the closing bar";

    std::u16string overlong(600, u'x');
    std::fill(list, list + kFilterListChars + 8, u'#');
    filter_to_list(overlong.c_str(), list);
    EXPECT_EQ(std::u16string(list + 397, 5), std::u16string(u"xx\0\0#", 5)) << "cut at 399 characters";
}

TEST(DirOfPath, TextBeforeTheLastBackslash)
{
    const struct {
        const char *path;
        const char *folder;
    } cases[] = {
        {"C:\\data\\models\\m1.dat", "C:\\data\\models"}, {"m1.dat", ""}, {"", ""}, {"\\m1.dat", ""},
        {"C:\\", "C:"},
    };
    for (const auto &c : cases) {
        char both[300];
        std::strcpy(both, c.path);
        dir_of_path(both, sizeof both, both);
        EXPECT_STREQ(both, c.folder) << c.path;
    }
    // Only the first 398 characters count, and the folder is cut to fit.
    char folder[500];
    for (std::size_t before : {394u, 395u}) { // the last "\" is the 398th character, then the 399th
        dir_of_path(folder, sizeof folder, ("C:\\" + std::string(before, 'a') + "\\b.dat").c_str());
        EXPECT_EQ(std::strlen(folder), before == 394 ? 397u : 2u);
    }
    char small[20];
    dir_of_path(small, sizeof small, (std::string(100, 'a') + "\\c").c_str());
    EXPECT_EQ(std::string(small), std::string(19, 'a'));
}

} // namespace
