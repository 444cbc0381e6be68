// Language texts and the qcq database through the DLL, on databases made
// with langdb; the host reads the qcq database through Vantmods_x32.dll with
// qcq_handle().
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "frame/language_files.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "vantmods/vantmods.h"

namespace {

using kavo_test::DialogWatch;

// The texts the module's own dialogs use, in two languages, and a few more.
const char *const kDemoTable = "id\t1505:Old\t1512:English\t1513:Deutsch\t1516:Francais\n"
                               "0\tzero\tzero\tnull\n"
                               "100\t\tWidth|mm\tBreite|mm\n"
                               "101\t\tHeight\tHoehe\n"
                               "2001\t\tOK\tJawohl\tD'accord\n"
                               "4118\t\tClosing in\tSchliesst in\n"
                               "4119\t\tGr\xC3\xBC\xC3\x9F\\tdich\n";

// The parser's cases are tested with it; here only that the tool fails whole.
TEST(Langdb, BadRowGivesAnErrorAndNoFiles)
{
    const kavo_test::LanguageFiles files = kavo_test::run_langdb("id\t1512:English\n1\ta\n1\tb\n", "kavo_bad_table");
    EXPECT_NE(files.exit_code, 0u);
    EXPECT_EQ(GetFileAttributesA(files.data.c_str()), INVALID_FILE_ATTRIBUTES);
    files.remove();
}

// Before any database lookups quietly give nothing; only reading says that
// there is nothing to read.
TEST(LanguageClosed, LookupsAreQuietAndEmptyReadingComplains)
{
    DialogWatch watch;
    char out[50] = "junk";
    wchar_t wide[50] = L"junk";
    EXPECT_EQ(qlg_copy(out, 2001, sizeof out), nullptr);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(qlg_copy_wsz(wide, 2001, sizeof wide), nullptr);
    EXPECT_STREQ(wide, L"");

    EXPECT_EQ(qlg_openDOS(), -1);
    qlg_closeDOS();
    EXPECT_EQ(qlg_set_language("Deutsch"), 1512);
    ASSERT_EQ(watch.seen().size(), 2u);
    for (const auto &box : watch.seen()) {
        EXPECT_EQ(box.message(), "Language file not initialized!");
        EXPECT_EQ(box.caption, "Error"); // no caption of ours: the platform's
    }
}

class LanguageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files_ = kavo_test::run_langdb(kDemoTable, "kavo_lang");
        ASSERT_EQ(files_.exit_code, 0u);
    }
    static void TearDownTestSuite() { files_.remove(); }
    // Both databases open the demo texts.
    void SetUp() override
    {
        qa_init_paths("Demo", "", "", "", "");
        ASSERT_EQ(qlg_init(files_.data.c_str(), files_.index.c_str()), 0);
        ASSERT_EQ(qcq_init(files_.data.c_str(), files_.index.c_str()), 0);
        qlg_set_language("English");
    }
    void TearDown() override
    {
        qlg_release();
        qcq_release();
    }

    static kavo_test::LanguageFiles files_;
};
kavo_test::LanguageFiles LanguageTest::files_;

TEST_F(LanguageTest, MissingAndForeignFilesAreReportedByName)
{
    const std::string missing = files_.data + ".missing";
    const struct {
        std::string file1, file2, message;
    } cases[] = {
        {missing, files_.index, "Cannot find file\r\n" + missing},
        {files_.data, missing, "Cannot find file\r\n" + missing},
        {files_.index, files_.data, "Cannot open " + files_.data}, // swapped: both exist, neither fits
    };
    for (const auto &c : cases) {
        DialogWatch watch;
        EXPECT_EQ(qlg_init(c.file1.c_str(), c.file2.c_str()), -1);
        ASSERT_EQ(watch.seen().size(), 1u);
        EXPECT_EQ(watch.seen()[0].message(), c.message);
        EXPECT_EQ(watch.seen()[0].caption, "Kavo");
    }
}

TEST_F(LanguageTest, LookupsFollowTheCurrentOrTheSapLanguageAndMissingTextsGiveTheDefault)
{
    char out[50];
    wchar_t wide[50];
    EXPECT_EQ(qlg_set_language("DEUTSCH"), 1513);
    EXPECT_STREQ(qlg_copy(out, 2001, sizeof out), "Jawohl");
    EXPECT_STREQ(qlg_copy_wsz(wide, 2001, sizeof wide), L"Jawohl");
    EXPECT_EQ(qlg_set_language("Klingon"), 1513) << "no such language: the id stays";
    EXPECT_EQ(qlg_copy(out, 4119, sizeof out), nullptr) << "a text the language lacks";
    EXPECT_STREQ(out, "");
    EXPECT_STREQ(qlg_copy_def(out, 4119, sizeof out, "fallback"), "fallback");
    EXPECT_STREQ(qlg_copy_wsz_def(wide, 999, sizeof wide, "fallback"), L"fallback");
    // Text id 0 never reaches the database, though it holds a text 0.
    EXPECT_STREQ(qlg_copy_def(out, 0, sizeof out, "none"), "none");
    EXPECT_STREQ(qlg_copy(out, 0, sizeof out), "null");
    // A SAP letter chooses a language for one copy only.
    EXPECT_STREQ(qlg_copy_saplng(out, 2001, sizeof out, "en"), "OK");
    EXPECT_STREQ(qlg_copy_saplng_wsz(wide, 2001, sizeof wide, "fr"), L"D'accord");
    EXPECT_STREQ(qlg_copy_saplng(out, 2001, sizeof out, "zz"), "OK"); // unknown letters: English
    EXPECT_EQ(qlg_get_language_id(), 1513);
}

TEST_F(LanguageTest, TextsKeepTheirCharactersAndAreCutToTheBufferAndColumnsAtTheBar)
{
    wchar_t wide[50], wsmall[4], def[4];
    char small[4], first[20], second[20];
    EXPECT_STREQ(qlg_copy_wsz(wide, 4119, sizeof wide), L"Gr\u00fc\u00df\tdich");
    EXPECT_STREQ(qlg_copy(small, 4118, sizeof small), "Clo");
    EXPECT_STREQ(qlg_copy_wsz(wsmall, 4118, sizeof wsmall), L"Clo");
    EXPECT_STREQ(qlg_copy_wsz_def(def, 999, sizeof def, "defaults"), L"def");
    qlg_copy_columns_def(first, second, 100, sizeof first, "");
    EXPECT_EQ(std::string(first) + "/" + second, "Width/mm");
    qlg_copy_columns_def(first, second, 999, 4, "left|right");
    EXPECT_EQ(std::string(first) + "/" + second, "lef/rig");
}

TEST_F(LanguageTest, NestedReadsOfEitherDatabaseKeepItOpenUntilTheLastClose)
{
    const struct {
        int16_t(WINAPI *open)();
        void(WINAPI *close)();
        void(WINAPI *close_totally)();
    } databases[] = {{qlg_openDOS, qlg_closeDOS, qlg_closeDOStotally},
                     {qcq_openDOS, qcq_closeDOS, qcq_closeDOStotally}};
    for (const auto &database : databases) {
        const int16_t handle = database.open();
        ASSERT_GE(handle, 0);
        EXPECT_EQ(database.open(), handle);
        char out[20];
        EXPECT_STREQ(qlg_copy(out, 2001, sizeof out), "OK"); // a lookup inside keeps the language file open
        database.close();
        EXPECT_NE(qbfileisopen(handle), 0);
        database.close();
        EXPECT_EQ(qbfileisopen(handle), 0);
        for (int i = 0; i < 3; ++i)
            database.open();
        database.close_totally();
        EXPECT_EQ(qbfileisopen(handle), 0);
    }
}

TEST_F(LanguageTest, AllLanguagesFrom1510InIdOrderInBlocksTheHostFrees)
{
    gwarray names = {nullptr, 0, static_cast<int32_t>(sizeof(char *))};
    qlg_get_all_languages(&names);
    ASSERT_EQ(names.count, 3);
    auto **texts = static_cast<char **>(names.data);
    const char *expected[] = {"English", "Deutsch", "Francais"};
    for (int i = 0; i < names.count; ++i) { // the host owns every block: each text, then the list
        EXPECT_STREQ(texts[i], expected[i]);
        EXPECT_EQ(GlobalFree(GlobalHandle(texts[i])), nullptr) << i;
    }
    EXPECT_EQ(GlobalFree(GlobalHandle(names.data)), nullptr);
}

TEST_F(LanguageTest, MissingTextsKeepTheWindowTexts)
{
    HWND window = CreateWindowExA(0, "STATIC", "old", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    for (int id = 1; id <= 4; ++id)
        CreateWindowExA(0, "STATIC", "keep", WS_CHILD, 0, 0, 10, 10, window, reinterpret_cast<HMENU>(id), nullptr,
                        nullptr);
    // The wide form without a default is seen in the absorption dialog's texts.
    const int32_t pairs[] = {1, 2001, 2, 999}; // each pair through qlg_setdlgitemname
    qlg_set_dlgitem_txts(window, pairs, 2);
    qlg_setdlgitemname_def(window, 3, 999, "def");
    qlg_setdlgitemname_wsz_def(window, 4, 101, "wdef");
    const char *expected[] = {"OK", "keep", "def", "Height"};
    for (int id = 1; id <= 4; ++id)
        EXPECT_EQ(kavo_test::item_text(window, id), expected[id - 1]) << id;

    qlg_setdlgname(window, 101);
    EXPECT_EQ(kavo_test::window_text(window), "Demo - Height");
    qlg_setdlgname_extra_wsz(window, 101, L" [draft]");
    EXPECT_EQ(kavo_test::window_text(window), "Demo - Height [draft]");
    qlg_setdlgname_wsz(window, 999);
    EXPECT_EQ(kavo_test::window_text(window), "Demo");
    DestroyWindow(window);
}

TEST_F(LanguageTest, MessageBoxesShowTheTextOrTheFallbackAndReturnTheButton)
{
    {
        DialogWatch watch(IDOK);
        EXPECT_EQ(qlg_okmsg(nullptr, 2001, "unused"), IDOK);
        ASSERT_EQ(watch.seen().size(), 1u);
        EXPECT_EQ(watch.seen()[0].caption, "Demo");
        EXPECT_EQ(watch.seen()[0].message(), "OK");
    }
    DialogWatch watch(IDCANCEL);
    EXPECT_EQ(qlg_okcancelmsg(nullptr, 999, "Delete the room?"), IDCANCEL);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].message(), "Delete the room?");
    EXPECT_TRUE(watch.seen()[0].visible(IDCANCEL));
}

TEST_F(LanguageTest, HostReadsQcqThroughItsHandleAlsoForUpdateWhileReading)
{
    const int16_t handle = qcq_openDOS();
    ASSERT_EQ(handle, qcq_handle());
    const int32_t key = 2001;
    qbrec *record = qbfindrec(handle, "S", &key, 0);
    ASSERT_NE(record, nullptr);
    char text[20];
    EXPECT_NE(qbcopyatt(handle, record, 1513, nullptr, text, sizeof text), 0);
    EXPECT_STREQ(text, "Jawohl");
    qbreleaserec(record);
    EXPECT_EQ(qcq_open_for_update(), handle);
    EXPECT_NE(qbfileisopen(handle), 0);
    qcq_closeDOStotally();
    EXPECT_EQ(qbfileisopen(handle), 0);
}

TEST_F(LanguageTest, FailedQcqInitDropsTheDatabaseAndDamageShowsOnReading)
{
    {
        DialogWatch watch; // the opening messages are the language database's
        EXPECT_EQ(qcq_init(files_.data.c_str(), (files_.index + ".missing").c_str()), -1);
        EXPECT_EQ(qcq_handle(), -1);
    }
    const kavo_test::LanguageFiles damaged = kavo_test::run_langdb("id\t1512:English\n1\tone\n", "kavo_qcq");
    ASSERT_EQ(qcq_init(damaged.data.c_str(), damaged.index.c_str()), 0);
    std::ofstream(damaged.index, std::ios::binary | std::ios::trunc) << "VMINDX01";
    DialogWatch watch;
    EXPECT_EQ(qcq_openDOS(), -1);
    qcq_release();
    damaged.remove();
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].message(), "Cannot read qcq file");
    EXPECT_EQ(watch.seen()[0].caption, "Kavo");
}

TEST(TextConversions, ConversionsNeverPassTheOutputSize)
{
    wchar_t wide[4] = L"xyz";
    qa_sz2wsz_acp("abcdef", wide, sizeof wide);
    EXPECT_STREQ(wide, L"abc");
    EXPECT_EQ(qa_sz2wsz_byqlg("ab", wide, sizeof wide), 3);
    EXPECT_STREQ(wide, L"ab");
    char narrow[4] = "xyz";
    qa_wsz2sz_acp(L"abcdef", narrow, sizeof narrow);
    EXPECT_STREQ(narrow, "abc");
    qa_wsz2sz_acp(nullptr, narrow, sizeof narrow);
    EXPECT_STREQ(narrow, "");
}

} // namespace
