// The record database through Vantmods_x32.dll: opening, the reading and
// update states, lookups, the two text forms, and bad files.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "vantmods/recdb.h"
#include "vantmods/vantmods.h"
#include "support/dialog_watch.h"

namespace {

using vantmods::Record;

std::string temp_path(const char *name) { return kavo_test::temp_path(std::string("vantmods_db_") + name); }

void write_file(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto files = vantmods::encode_database({
            {"S", 2001, {{1512, "OK"}, {1513, "Gr\xC3\xBC\xC3\x9F Gott"}}},
            {"S", 5, {{1512, "0123456789"}}},
            {"0", 0, {{1512, "English"}}},
        });
        write_file(data_, files->data);
        write_file(index_, files->index);
    }
    void TearDown() override
    {
        for (int16_t h : opened_)
            qbclosedatabase(h);
        DeleteFileA(data_.c_str());
        DeleteFileA(index_.c_str());
    }
    int16_t open()
    {
        const int16_t h = qbopendatabase(data_.c_str(), index_.c_str(), 0);
        if (h >= 0)
            opened_.push_back(h);
        return h;
    }

    std::string data_ = temp_path("texts.dat"), index_ = temp_path("texts.idx");
    std::vector<int16_t> opened_;
};

TEST_F(DatabaseTest, RecordsAreReadOnlyWhileTheFileIsOpen)
{
    const int16_t h = open();
    ASSERT_GE(h, 0);
    const int32_t key = 2001;
    EXPECT_EQ(qbfileisopen(h), 0);
    EXPECT_EQ(qbfindrec(h, "S", &key, 0), nullptr);

    ASSERT_EQ(qbbeginquickread(h), 0);
    EXPECT_NE(qbfileisopen(h), 0);
    EXPECT_EQ(qbbeginquickread(h), 0); // again: still fine
    qbrec *rec = qbfindrec(h, "S", &key, 0);
    ASSERT_NE(rec, nullptr);
    char text[50];
    int32_t length = -1;
    EXPECT_NE(qbcopyatt(h, rec, 1512, &length, text, sizeof text), 0);
    EXPECT_STREQ(text, "OK");
    EXPECT_EQ(length, 2);
    EXPECT_EQ(qbcopyatt(h, rec, 1599, &length, text, sizeof text), 0);
    EXPECT_STREQ(text, "");

    EXPECT_EQ(qbendquick(h), 0);
    EXPECT_EQ(qbfileisopen(h), 0);
    // A record handed out stays readable after the file was closed.
    EXPECT_NE(qbcopyatt(h, rec, 1512, &length, text, sizeof text), 0);
    qbreleaserec(rec);
}

TEST_F(DatabaseTest, TextsComeInAnsiAndUtf16AndAreCutToFit)
{
    const int16_t h = open();
    ASSERT_EQ(qbbeginquickread(h), 0);
    const int32_t greeting = 2001, digits = 5;
    qbrec *rec = qbfindrec(h, "S", &greeting, 0);
    wchar_t wide[20];
    EXPECT_NE(qbcopywsz(h, rec, 1513, wide, sizeof wide, -1), 0);
    EXPECT_STREQ(wide, L"Gr\u00fc\u00df Gott");
    qbreleaserec(rec);

    rec = qbfindrec(h, "S", &digits, 0);
    char small[5] = "xxxx";
    EXPECT_NE(qbcopyatt(h, rec, 1512, nullptr, small, sizeof small), 0);
    EXPECT_STREQ(small, "0123");
    wchar_t wsmall[4];
    EXPECT_NE(qbcopywsz(h, rec, 1512, wsmall, sizeof wsmall, -1), 0);
    EXPECT_STREQ(wsmall, L"012");
    qbreleaserec(rec);
    qbendquick(h);
}

TEST_F(DatabaseTest, UpdateWaitsForReadingToEnd)
{
    const int16_t h = open();
    ASSERT_EQ(qbbeginquickread(h), 0);
    EXPECT_NE(qbbeginquickupdate(h), 0);
    EXPECT_EQ(qbclosefile(h), 0);
    EXPECT_EQ(qbbeginquickupdate(h), 0);
    EXPECT_NE(qbfileisopen(h), 0);
    const int32_t key = 0;
    qbrec *rec = qbfindrec(h, "0", &key, 0);
    EXPECT_NE(rec, nullptr);
    qbreleaserec(rec);
    EXPECT_EQ(qbendquick(h), 0);
}

TEST_F(DatabaseTest, SeveralDatabasesAtOnceAndClosedHandlesAreDead)
{
    const int16_t a = open(), b = open();
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_NE(a, b);
    ASSERT_EQ(qbbeginquickread(b), 0);
    EXPECT_EQ(qbfileisopen(a), 0);
    EXPECT_EQ(qbclosedatabase(b), 0);
    opened_.pop_back();
    const int32_t key = 2001;
    EXPECT_EQ(qbfileisopen(b), 0);
    EXPECT_EQ(qbfindrec(b, "S", &key, 0), nullptr);
    EXPECT_NE(qbbeginquickread(b), 0);
    EXPECT_NE(qbclosedatabase(b), 0);
    for (int16_t bogus : {int16_t{-1}, int16_t{9999}})
        EXPECT_EQ(qbfileisopen(bogus), 0);
}

TEST_F(DatabaseTest, MissingAndCorruptFilesAreRefused)
{
    const std::string missing = temp_path("missing.idx");
    EXPECT_LT(qbopendatabase(data_.c_str(), missing.c_str(), 0), 0);
    EXPECT_LT(qbopendatabase(nullptr, index_.c_str(), 0), 0);
    EXPECT_LT(qbopendatabase(index_.c_str(), data_.c_str(), 0), 0); // swapped

    // Opened while good, broken before reading: the begin fails.
    const int16_t h = open();
    ASSERT_GE(h, 0);
    write_file(index_, "VMINDX01garbage");
    EXPECT_NE(qbbeginquickread(h), 0);
    EXPECT_EQ(qbfileisopen(h), 0);
    EXPECT_LT(open(), 0);
}

} // namespace
