// Vantmods_x32.dll through its header: the record database's states, text
// forms and bad files; the HTTP client's limits and buffers; the model
// reader's refusals.  What a password, a missing file, a cut body or a
// refused connection give is tested through the module's downloads.
#include "support/loopback_http.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "vantmods/recdb.h"
#include "vantmods/vantmods.h"
#include "support/dialog_watch.h"

namespace {

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

    const std::string data_ = kavo_test::temp_path("vantmods_texts.dat");
    const std::string index_ = kavo_test::temp_path("vantmods_texts.idx");
    std::vector<int16_t> opened_;
};

TEST_F(DatabaseTest, RecordsAreFoundOnlyWhileReadingOrUpdatingAndClosedHandlesAreDead)
{
    const int16_t h = open(), other = open();
    ASSERT_GE(h, 0);
    ASSERT_GE(other, 0);
    EXPECT_NE(h, other);
    const struct {
        int16_t(WINAPI *call)(int16_t);
        bool nonzero;
    } steps[] = {
        {qbfileisopen, false}, {finds_record, false}, // opened, not yet reading
        {qbbeginquickread, false}, {qbbeginquickread, false}, {qbfileisopen, true}, {finds_record, true},
        {qbbeginquickupdate, true}, {qbclosefile, false}, // no update until the reading ends
        {qbbeginquickupdate, false}, {qbfileisopen, true}, {finds_record, true},
        {qbendquick, false}, {qbfileisopen, false}, {finds_record, false},
        {qbclosedatabase, false}, {qbfileisopen, false}, {finds_record, false}, // the handle is dead now
        {qbbeginquickread, true}, {qbclosedatabase, true},
    };
    for (std::size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i)
        EXPECT_EQ(steps[i].call(h) != 0, steps[i].nonzero) << "step " << i;
    opened_ = {other};
    EXPECT_EQ(finds_record(other), 0) << "the other handle has a state of its own";
    EXPECT_EQ(qbbeginquickread(other), 0);
    for (int16_t bogus : {int16_t{-1}, int16_t{9999}})
        EXPECT_EQ(qbfileisopen(bogus), 0);
}

TEST_F(DatabaseTest, ARecordHandedOutGivesBothTextFormsCutToFitAfterTheReadingEnds)
{
    const int16_t h = open();
    ASSERT_EQ(qbbeginquickread(h), 0);
    const int32_t key = 2001;
    qbrec *rec = qbfindrec(h, "S", &key, 0);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(qbendquick(h), 0);

    char text[50], small[2];
    int32_t length = -1;
    EXPECT_NE(qbcopyatt(h, rec, 1512, &length, text, sizeof text), 0);
    EXPECT_STREQ(text, "OK");
    EXPECT_EQ(length, 2);
    EXPECT_NE(qbcopyatt(h, rec, 1512, nullptr, small, sizeof small), 0);
    EXPECT_STREQ(small, "O");
    wchar_t wide[20], wsmall[4];
    EXPECT_NE(qbcopywsz(h, rec, 1513, wide, sizeof wide, -1), 0);
    EXPECT_STREQ(wide, L"Gr\u00fc\u00df Gott");
    EXPECT_NE(qbcopywsz(h, rec, 1513, wsmall, sizeof wsmall, -1), 0);
    EXPECT_STREQ(wsmall, L"Gr\u00fc");
    qbreleaserec(rec);
}

TEST_F(DatabaseTest, MissingAndCorruptFilesAreRefused)
{
    EXPECT_LT(qbopendatabase(data_.c_str(), (index_ + ".gone").c_str(), 0), 0);
    EXPECT_LT(qbopendatabase(nullptr, index_.c_str(), 0), 0);

    // Opened while good, broken before reading: the begin fails.
    const int16_t h = open();
    ASSERT_GE(h, 0);
    write_file(index_, "VMINDX01garbage");
    EXPECT_NE(qbbeginquickread(h), 0);
    EXPECT_EQ(qbfileisopen(h), 0);
    EXPECT_LT(open(), 0);
}

TEST(HttpClient, AServerSlowerThanTheReceiveLimitFails)
{
    kavo_test::LoopbackHttpServer server({{"/slow", {200, "", "late", std::string::npos, 1500}}});
    CQinet client;
    CQiBuf buffer;
    EXPECT_EQ(client.httpLoadFile(server.url("/slow").c_str(), "", "", buffer), Qinet::notConnected);
    ASSERT_EQ(client.connect(500, 400), 0);
    const DWORD start = GetTickCount();
    EXPECT_LT(client.httpLoadFile(server.url("/slow").c_str(), "", "", buffer), 0);
    EXPECT_LT(GetTickCount() - start, 1400u) << "the receive limit was not applied";
}

TEST(HttpClient, BufferCopiesOwnTheirBytes)
{
    CQiBuf buffer;
    ASSERT_TRUE(buffer.append("ab\0c", 4));
    CQiBuf copy(buffer), assigned;
    assigned = buffer;
    for (const CQiBuf *other : {&copy, &assigned}) {
        EXPECT_NE(other->data, buffer.data);
        EXPECT_EQ(std::string(reinterpret_cast<char *>(other->data), other->count), std::string("ab\0c", 4));
    }
}

TEST(ModelReader, WhatCannotBeReadGivesNothingAndAnErrorCode)
{
    int32_t result = 0, count = 7;
    EXPECT_EQ(qm_read(nullptr, "Z:\\no\\such.qm", &result), 0);
    EXPECT_NE(result, 0);
    EXPECT_EQ(qm_read_streambuf(nullptr, nullptr, 5, &result), 0);
    EXPECT_EQ(qm_read_to_streambuf(nullptr, "Z:\\no\\such.qm", &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(qm_model_data(0, &count), nullptr);
    EXPECT_EQ(qm_model_data(1000000, &count), nullptr);
}

} // namespace
