// The qcq database: the module opens it and brackets reading and update;
// the host reads through Vantmods_x32.dll with qcq_handle().
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "frame/language_files.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "vantmods/vantmods.h"

namespace {

class QcqTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        files_ = kavo_test::run_langdb("id\t1512:English\n42\tfour two\n", "kavo_qcq");
        ASSERT_EQ(files_.exit_code, 0u);
        ASSERT_EQ(qcq_init(files_.data.c_str(), files_.index.c_str()), 0);
    }
    void TearDown() override
    {
        qcq_release();
        files_.remove();
    }
    kavo_test::LanguageFiles files_;
};

TEST_F(QcqTest, HostReadsThroughTheHandleWhichClosesOnlyAtTheLastClose)
{
    const int16_t handle = qcq_openDOS();
    ASSERT_GE(handle, 0);
    EXPECT_EQ(handle, qcq_handle());
    EXPECT_EQ(qcq_openDOS(), handle);
    const int32_t key = 42;
    qbrec *record = qbfindrec(handle, "S", &key, 0);
    ASSERT_NE(record, nullptr);
    char text[20];
    EXPECT_NE(qbcopyatt(handle, record, 1512, nullptr, text, sizeof text), 0);
    EXPECT_STREQ(text, "four two");
    qbreleaserec(record);
    qcq_closeDOS();
    EXPECT_NE(qbfileisopen(handle), 0);
    qcq_closeDOS();
    EXPECT_EQ(qbfileisopen(handle), 0);

    qcq_openDOS();
    EXPECT_EQ(qcq_open_for_update(), handle) << "update while reading";
    qcq_closeDOStotally();
    EXPECT_EQ(qbfileisopen(handle), 0);
}

TEST_F(QcqTest, FailedInitDropsTheDatabaseAndDamageShowsOnReading)
{
    {
        kavo_test::DialogWatch watch; // the opening messages are the language database's
        EXPECT_EQ(qcq_init(files_.data.c_str(), (files_.index + ".missing").c_str()), -1);
        EXPECT_EQ(qcq_handle(), -1);
    }
    ASSERT_EQ(qcq_init(files_.data.c_str(), files_.index.c_str()), 0);
    std::ofstream(files_.index, std::ios::binary | std::ios::trunc) << "VMINDX01";
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qcq_openDOS(), -1);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].message(), "Cannot read qcq file");
    EXPECT_EQ(watch.seen()[0].caption, "Kavo");
}

} // namespace
