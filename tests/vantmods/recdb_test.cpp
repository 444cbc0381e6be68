// The database file format and the language table parser: every cut gives
// a clean refusal (changed bytes are the fuzz target's).
#include <gtest/gtest.h>

#include "vantmods/lang_table.h"
#include "vantmods/recdb.h"

namespace {

using vantmods::Record;

std::vector<Record> sample_records()
{
    return {
        {"S", 2001, {{1512, "OK"}, {1513, "Ja"}}},
        {"S", 7, {{1512, "line\none"}}},
        {"0", 0, {{1512, "English"}, {1513, "Deutsch"}}},
        {"QCQ", 4000000000u, {}},
    };
}

TEST(RecordDatabase, EncoderRefusesWhatLookupsCouldNotTellApart)
{
    const std::vector<std::vector<Record>> bad = {
        {{"S", 1, {}}, {"S", 1, {}}},          // same type and key twice
        {{"", 1, {}}},                          // no type
        {{"TOOLONG", 1, {}}},                   // type over four characters
        {{"S", 1, {{1512, "a"}, {1512, "b"}}}}, // attribute twice
    };
    for (const auto &records : bad)
        EXPECT_FALSE(vantmods::encode_database(records));
    EXPECT_TRUE(vantmods::encode_database({}));
}

TEST(RecordDatabase, WholeFilesFindEveryRecordAndCutOrMismatchedFilesAreRefused)
{
    auto files = vantmods::encode_database(sample_records());
    ASSERT_TRUE(files);
    auto db = vantmods::decode_database(files->data, files->index);
    ASSERT_TRUE(db);
    for (const Record &want : sample_records()) {
        const Record *got = db->find(want.type, want.key);
        ASSERT_NE(got, nullptr) << want.type << want.key;
        EXPECT_EQ(got->attributes.size(), want.attributes.size());
        if (!want.attributes.empty()) {
            EXPECT_EQ(got->find(want.attributes.back().id)->text, want.attributes.back().text);
        }
    }
    EXPECT_FALSE(db->find("S", 2002) || db->find("0", 2001) || db->find("QC", 4000000000u));
    for (std::size_t n = 0; n < files->data.size(); ++n)
        EXPECT_FALSE(vantmods::decode_database(files->data.substr(0, n), files->index)) << "data cut at " << n;
    for (std::size_t n = 0; n < files->index.size(); ++n)
        EXPECT_FALSE(vantmods::decode_database(files->data, files->index.substr(0, n))) << "index cut at " << n;
    EXPECT_FALSE(vantmods::decode_database(files->data + "x", files->index)); // size recorded in the index
    EXPECT_FALSE(vantmods::decode_database(files->data, files->index + std::string(16, '\0')));
    auto other = vantmods::encode_database({{"S", 1, {}}});
    EXPECT_FALSE(vantmods::decode_database(files->data, other->index));
}

TEST(LanguageTable, BuildsTheListAndOneRecordPerRow)
{
    const auto table = vantmods::parse_language_table("\xEF\xBB\xBF# texts of the demo\r\n"
                                                      "id\t1512:English\t1513:Deutsch\r\n"
                                                      "\r\n"
                                                      "2001\tOK\tJa\r\n"
                                                      "7\ttab\\there\\\\\t\n"
                                                      "9\n");
    ASSERT_EQ(table.error_line, 0) << table.error;
    const auto files = vantmods::encode_database(table.records);
    auto db = vantmods::decode_database(files->data, files->index);
    ASSERT_TRUE(db);
    const Record *list = db->find("0", 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->find(1512)->text, "English");
    EXPECT_EQ(list->find(1513)->text, "Deutsch");
    EXPECT_EQ(db->find("S", 2001)->find(1513)->text, "Ja");
    const Record *seven = db->find("S", 7);
    EXPECT_EQ(seven->find(1512)->text, "tab\there\\");
    EXPECT_EQ(seven->find(1513), nullptr); // empty cell: no text
    ASSERT_NE(db->find("S", 9), nullptr);
    EXPECT_TRUE(db->find("S", 9)->attributes.empty());
}

TEST(LanguageTable, ErrorsNameTheirLine)
{
    struct Case {
        const char *text;
        int line;
    };
    const Case cases[] = {
        {"", 1}, {"# only a comment\n", 1}, {"key\t1512:English\n", 1}, {"id\n", 1}, {"id\t1512English\n", 1},
        {"id\t1500:Old\n", 1}, {"id\t1600:New\n", 1}, {"id\t1512:\n", 1}, {"id\t1512:English\t1512:Again\n", 1},
        {"id\t1512:English\n1\ta\n1\tb\n", 3}, {"id\t1512:English\n#\nx1\ta\n", 3},
        {"id\t1512:English\n-1\ta\n", 2}, {"id\t1512:English\n4294967296\ta\n", 2},
        {"id\t1512:English\n1\ta\tb\n", 2}, {"id\t1512:English\n1\tbad\\q\n", 2},
        {"id\t1512:English\n1\tends\\\n", 2},
    };
    for (const Case &c : cases) {
        const auto table = vantmods::parse_language_table(c.text);
        EXPECT_EQ(table.error_line, c.line) << c.text;
        EXPECT_FALSE(table.error.empty()) << c.text;
        EXPECT_TRUE(table.records.empty()) << c.text;
    }
    EXPECT_EQ(vantmods::parse_language_table("id\t1512:English\nx1\ta\n").error, "text id \"x1\" is not a number");
    EXPECT_EQ(vantmods::parse_language_table("id\t1512:English\n1\tbad\\q\n").error, "bad escape in cell 2");
}

} // namespace
