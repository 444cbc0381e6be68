// Downloads through the exports against a logging server on 127.0.0.1, and
// offline lookups in real search folders: the bytes a host gets, the
// requests the cache saves, the messages shown.
#include "support/loopback_http.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/download_win.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "util/gwmem.h"

namespace {

using Log = std::vector<std::string>;
const std::string kModel("model ABC\0bytes", 15);

std::string temp_path(const std::string &name)
{
    return kavo_test::temp_path(std::to_string(GetCurrentProcessId()) + name);
}

std::string file_bytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string model_bytes(int32_t model)
{
    int32_t count = 0;
    const void *data = qm_model_data(model, &count);
    return data ? std::string(static_cast<const char *>(data), count) : "(null)";
}

// The stream's bytes once the call has set *size; then it goes back.
std::string stream_bytes(void *stream, const int32_t *size)
{
    const std::string bytes = stream ? std::string(static_cast<const char *>(stream), *size) : "(null)";
    qa_release_file_stream(stream);
    return bytes;
}

Log messages(const kavo_test::DialogWatch &watch)
{
    Log texts;
    for (const kavo_test::SeenWindow &box : watch.seen())
        texts.push_back(box.message());
    return texts;
}

class Download : public ::testing::Test {
protected:
    void SetUp() override
    {
        // What the DLL's attach sets up for these objects.
        kavo::module_state().messageCaption = kavo::kDefaultCaption;
        kavo::model_cache_reset();
        qa_set_net_download_info(0, "user", "pw", server_.url("/m").c_str(), "");
    }
    kavo_test::LoopbackHttpServer server_{{{"/m/ABC", {200, "application/x-model", kModel}},
                                           {"/m/DEF", {200, "", "def"}},
                                           {"/m/EMPTY", {}},
                                           {"/pic", {200, "image/jpeg"}},
                                           {"/secret", {401}},
                                           {"/cut", {200, "", std::string(4000, 'w'), 1000}}}};
    int32_t size_ = -1;
};

TEST_F(Download, TheCacheKeepsTheLastModelUnderItsUpperCaseName)
{
    EXPECT_EQ(model_bytes(qa_read_qmodel("abc", 1)), kModel);
    EXPECT_EQ(stream_bytes(qa_read_qmodel_to_stream("Abc", 1, &size_), &size_), kModel);
    EXPECT_EQ(model_bytes(qa_read_qmodel("def", 1)), "def");
    EXPECT_EQ(model_bytes(qa_read_qmodel("ABC", 1)), kModel);
    EXPECT_EQ(server_.requests(), (Log{"/m/ABC", "/m/DEF", "/m/ABC"}));
}

TEST_F(Download, AMissingModelIsReportedOnlyWhenTheNameChangesAndAskedFor)
{
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_read_qmodel("gone", 1), 0);
    EXPECT_EQ(qa_read_qmodel("GONE", 1), 0);
    EXPECT_EQ(qa_read_qmodel("empty", 0), 0) << "an empty body is no model";
    qa_set_net_download_info(1, "", "", "", "");
    EXPECT_EQ(qa_read_qmodel_to_stream("gone", 1, &size_), nullptr) << "offline, in empty folders";
    EXPECT_EQ(size_, 0);
    EXPECT_EQ(messages(watch), Log(2, "Model not found\r\nGONE"));
    EXPECT_EQ(watch.seen()[0].caption, "Kavo");
}

TEST_F(Download, FilesAndStreamsGetTheWholeBodyOrNothing)
{
    const struct {
        std::string url;
        bool loads;
        Log messages;
    } cases[] = {
        {server_.url("/m/ABC"), true, {}},
        {server_.url("/secret"), false, Log(2, "Password required to download file!")},
        {server_.url("/missing"), false, {}},
        {server_.url("/cut"), false, {}},
        {"http://127.0.0.1:1/m/ABC", false, {}}, // nobody listens there
        {"", false, {}},
        {server_.url("/") + std::string(3000, 'u'), false, {}},
    };
    const std::string path = temp_path("download.bin");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url.substr(0, 40));
        kavo_test::DialogWatch watch;
        EXPECT_EQ(qa_file_download(nullptr, c.url.c_str(), path.c_str()), c.loads ? 0 : -1);
        EXPECT_EQ(file_bytes(path), c.loads ? kModel : "") << "no file is left after a failed download";
        EXPECT_EQ(stream_bytes(qa_file_stream_download(nullptr, c.url.c_str(), &size_), &size_),
                  c.loads ? kModel : "(null)");
        EXPECT_EQ(messages(watch), c.messages);
        DeleteFileA(path.c_str());
    }
    const std::size_t asked = server_.requests().size();
    EXPECT_EQ(qa_file_download(nullptr, server_.url("/m/ABC").c_str(), ""), -1);
    EXPECT_EQ(server_.requests().size(), asked) << "no file name, no request";
    EXPECT_EQ(qa_file_download(nullptr, server_.url("/m/ABC").c_str(), temp_path("none\\x.bin").c_str()), -1);
}

TEST_F(Download, ABlockThatCannotBeHadIsReported)
{
    kavo::detail::allocate_block = [](int32_t, int32_t) -> void * { return nullptr; };
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_file_stream_download(nullptr, server_.url("/m/ABC").c_str(), &size_), nullptr);
    kavo::detail::allocate_block = kavo::gwGmalloc;
    EXPECT_EQ(size_, 0);
    EXPECT_EQ(messages(watch), Log{"File memory allocation failed!"});
}

TEST_F(Download, ContentTypeIsCutToTheBufferAndLeftAloneOnFailure)
{
    char out[40] = "old";
    EXPECT_EQ(qa_file_get_content_type(nullptr, server_.url("/pic").c_str(), out, 5), 0);
    EXPECT_STREQ(out, "imag");
    EXPECT_EQ(qa_file_get_content_type(nullptr, server_.url("/missing").c_str(), out, sizeof out), -1);
    EXPECT_STREQ(out, "imag");
}

TEST_F(Download, OfflineModelsAndImagesComeFromTheSearchFolders)
{
    const std::string folder = temp_path("offline");
    const Log files = {folder + "\\X.PNG", folder + "\\M1"};
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string &file : files)
        std::ofstream(file, std::ios::binary) << file;
    qa_init_paths("Host", "", folder.c_str(), "", "");
    qa_set_net_download_info(1, "", "", "", "");

    EXPECT_EQ(model_bytes(qa_read_qmodel("m1", 1)), files[1]);
    EXPECT_EQ(stream_bytes(qa_read_qmodel_to_stream("m1", 1, &size_), &size_), files[1]);
    char out[300];
    EXPECT_EQ(qa_get_offline_image_full_filename("X", out, sizeof out), 1);
    EXPECT_EQ(out, files[0]);
    wchar_t wide[300];
    EXPECT_EQ(qa_get_offline_image_full_filename_wsz("X", wide, 8), 1);
    EXPECT_EQ(std::wstring(wide), std::wstring(files[0].begin(), files[0].begin() + 3)) << "cut to 8 bytes";
    EXPECT_TRUE(server_.requests().empty());
    for (const std::string &file : files)
        DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr);
}

} // namespace
