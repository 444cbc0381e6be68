// The record database through Vantmods_x32.dll: opening, the reading and
// update states, the two text forms, and bad files.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "vantmods/recdb.h"
#include "vantmods/vantmods.h"
#include "support/dialog_watch.h"

namespace {

std::string temp_path(const char *name) { return kavo_test::temp_path(std::string("vantmods_db_") + name); }

void write_file(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// 1 when record S 2001 can be found now.
int16_t WINAPI finds_record(int16_t h)
{
    const int32_t key = 2001;
    qbrec *rec = qbfindrec(h, "S", &key, 0);
    qbreleaserec(rec);
    return rec != nullptr;
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto files = vantmods::encode_database({
            {"S", 2001, {{1512, "OK"}, {1513, "Gr\xC3\xBC\xC3\x9F Gott"}}},
            {"S", 5, {{1512, "0123456789"}}},
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

TEST_F(DatabaseTest, RecordsAreFoundOnlyWhileReadingOrUpdatingAndClosedHandlesAreDead)
{
    const int16_t h = open();
    ASSERT_GE(h, 0);
    const struct {
        int16_t(WINAPI *call)(int16_t);
        bool nonzero;
    } steps[] = {
        {qbfileisopen, false},      {finds_record, false},   {qbbeginquickread, false}, {qbfileisopen, true},
        {qbbeginquickread, false},  {finds_record, true},
        {qbbeginquickupdate, true}, // not while reading
        {qbclosefile, false},       {qbbeginquickupdate, false}, {qbfileisopen, true}, {finds_record, true},
        {qbendquick, false},        {qbfileisopen, false},   {finds_record, false},
        {qbclosedatabase, false},   {qbfileisopen, false},   {finds_record, false},
        {qbbeginquickread, true},   {qbclosedatabase, true},
    };
    for (std::size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i)
        EXPECT_EQ(steps[i].call(h) != 0, steps[i].nonzero) << "step " << i;
    opened_.clear();
}

TEST_F(DatabaseTest, RecordsHandedOutGiveBothTextFormsCutToFitAfterTheReadingEnds)
{
    const int16_t h = open();
    ASSERT_EQ(qbbeginquickread(h), 0);
    const int32_t greeting = 2001, digits = 5;
    qbrec *words = qbfindrec(h, "S", &greeting, 0), *numbers = qbfindrec(h, "S", &digits, 0);
    ASSERT_TRUE(words && numbers);
    EXPECT_EQ(qbendquick(h), 0);

    char text[50];
    int32_t length = -1;
    EXPECT_NE(qbcopyatt(h, words, 1512, &length, text, sizeof text), 0);
    EXPECT_STREQ(text, "OK");
    EXPECT_EQ(length, 2);
    EXPECT_EQ(qbcopyatt(h, words, 1599, &length, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    wchar_t wide[20];
    EXPECT_NE(qbcopywsz(h, words, 1513, wide, sizeof wide, -1), 0);
    EXPECT_STREQ(wide, L"Gr\u00fc\u00df Gott");

    char small[5] = "xxxx";
    EXPECT_NE(qbcopyatt(h, numbers, 1512, nullptr, small, sizeof small), 0);
    EXPECT_STREQ(small, "0123");
    wchar_t wsmall[4];
    EXPECT_NE(qbcopywsz(h, numbers, 1512, wsmall, sizeof wsmall, -1), 0);
    EXPECT_STREQ(wsmall, L"012");
    qbreleaserec(words);
    qbreleaserec(numbers);
}

TEST_F(DatabaseTest, EachOpenGetsItsOwnHandleAndState)
{
    const int16_t a = open(), b = open();
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_NE(a, b);
    ASSERT_EQ(qbbeginquickread(b), 0);
    EXPECT_EQ(qbfileisopen(a), 0);
    for (int16_t bogus : {int16_t{-1}, int16_t{9999}})
        EXPECT_EQ(qbfileisopen(bogus), 0);
}

TEST_F(DatabaseTest, MissingSwappedAndCorruptFilesAreRefused)
{
    const std::string missing = temp_path("missing.idx");
    EXPECT_LT(qbopendatabase(data_.c_str(), missing.c_str(), 0), 0);
    EXPECT_LT(qbopendatabase(nullptr, index_.c_str(), 0), 0);
    EXPECT_LT(qbopendatabase(index_.c_str(), data_.c_str(), 0), 0);

    // Opened while good, broken before reading: the begin fails.
    const int16_t h = open();
    ASSERT_GE(h, 0);
    write_file(index_, "VMINDX01garbage");
    EXPECT_NE(qbbeginquickread(h), 0);
    EXPECT_EQ(qbfileisopen(h), 0);
    EXPECT_LT(open(), 0);
}

} // namespace
