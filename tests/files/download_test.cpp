// The texts the downloads build, cut to their fields; the image extension
// of a content type; the order of the offline image lookup.
#include "files/download.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

const std::string kLong(700, 'n');

TEST(DownloadUrls, BuiltFromTheSettingsAndCutToTheirField)
{
    const std::string cut = ("srv/m/" + kLong).substr(0, 599);
    const struct {
        const char *base, *test_url, *name;
        int result;
        std::string url, download_url, thumbnail_url;
    } cases[] = {
        {"srv/m", "", "ABC", 0, "srv/m/ABC", "srv/m/ABC", "srv/m/ABC/thumbnail"},
        {"srv/m", "http://t/x", "ABC", 0, "srv/m/ABC", "http://t/x", "http://t/x"},
        {"", "http://t/x", "ABC", -1, "old", "", "http://t/x"},
        {"srv/m", "http://t/x", "", -1, "old", "", "http://t/x"},
        {"", "", "ABC", -1, "old", "", "old"},
        {"srv/m", "", kLong.c_str(), 0, cut, cut, cut},
    };
    for (const auto &c : cases) {
        kavo::NetDownloadInfo info;
        std::snprintf(info.qmodel_base_url, sizeof info.qmodel_base_url, "%s", c.base);
        std::snprintf(info.qmodel_test_url, sizeof info.qmodel_test_url, "%s", c.test_url);
        std::memcpy(info.thumbnail_base_url, info.qmodel_base_url, sizeof info.thumbnail_base_url);
        std::memcpy(info.thumbnail_test_url, info.qmodel_test_url, sizeof info.thumbnail_test_url);
        char out[kavo::kUrlBytes] = "old";
        EXPECT_EQ(kavo::full_qmodel_url(info, c.name, out, sizeof out), c.result);
        EXPECT_EQ(out, c.url);
        kavo::qmodel_download_url(info, c.name, out, sizeof out);
        EXPECT_EQ(out, c.download_url);
        std::strcpy(out, "old");
        kavo::thumbnail_url(info, c.name, out, sizeof out);
        EXPECT_EQ(out, c.thumbnail_url);
    }
}

TEST(LastModelName, ChangesOnlyWithAnotherNameInAnyCase)
{
    kavo::LastModelName last;
    EXPECT_TRUE(last.remember("\xe4x"));
    EXPECT_FALSE(last.remember("\xc4X")) << "the Nordic letters count as one case too";
    EXPECT_TRUE(last.remember(kLong.c_str()));
    EXPECT_FALSE(last.remember((kLong + "more").c_str())) << "names are cut to 199 characters";
    EXPECT_EQ(std::string(last.upper()), std::string(199, 'N'));
}

TEST(ImageExtension, ByContentTypeAfterTheLastDot)
{
    const struct {
        const char *file, *type, *renamed;
    } cases[] = {
        {"pic.tmp", "image/jpeg", "pic.JPG"},       {"pic.tmp", " Image / PNG", "pic.PNG"},
        {"pic.tmp", "IMAGE/gif; q", "pic.GIF"},     {"pic.", "image/png", "pic.PNG"},
        {"pic.tmp", "image/bmp", "pic.BMP"},        {"pic.tmp", "image/pjpeg", "pic.tmp"},
        {"pic.tmp", "image/jpg", "pic.tmp"},        {"pic", "image/png", "pic"},
        {"C:\\a.b\\pic", "image/gif", "C:\\a.GIF"}, {"pic.tmp", nullptr, "pic.tmp"},
        {"pic.tmp", "imagejpeg", "pic.tmp"},        {"pic.tmp", "jpeg/png", "pic.tmp"},
    };
    for (const auto &c : cases) {
        char file[32];
        std::snprintf(file, sizeof file, "%s", c.file);
        if (const char *extension = kavo::image_extension_of(c.type))
            kavo::replace_extension(file, extension);
        EXPECT_STREQ(file, c.renamed);
    }
    std::string over_long = std::string(597, 'p') + ".t" + std::string(50, 'x');
    kavo::replace_extension(&over_long[0], "JPG");
    EXPECT_EQ(over_long.c_str(), std::string(597, 'p') + ".J") << "the result is cut to 599 characters";
}

std::set<std::string> g_files; // what the fake search finds

bool fake_find(const char *file_name, char *path)
{
    std::snprintf(path, kavo::kFoundPathBytes, "C:\\dir\\%s", file_name);
    return g_files.count(file_name) > 0;
}

TEST(OfflineImage, PngGifBmpJpgInTurnAndOnlyPathsThatFit)
{
    const struct {
        std::set<std::string> files;
        int32_t out_size;
        const char *path;
    } cases[] = {
        {{"X.JPG", "X.PNG", "X.GIF"}, 100, "C:\\dir\\X.PNG"}, {{"X.JPG", "X.BMP"}, 100, "C:\\dir\\X.BMP"},
        {{"X.GIF", "X.JPG"}, 100, "C:\\dir\\X.GIF"},           {{"X.JPG"}, 14, "C:\\dir\\X.JPG"},
        {{"X.JPG"}, 13, nullptr},                              {{}, 100, nullptr},
        {{"X.PNG"}, 0, nullptr},
    };
    for (const auto &c : cases) {
        g_files = c.files;
        char out[100] = "old";
        EXPECT_EQ(kavo::find_offline_image("X", out, c.out_size, fake_find), c.path ? 1 : 0);
        EXPECT_STREQ(out, c.path ? c.path : "old");
    }
    g_files = {std::string(95, 'n') + ".GIF"};
    char out[300];
    EXPECT_EQ(kavo::find_offline_image(kLong.c_str(), out, sizeof out, fake_find), 1) << "names cut to 95";
}

} // namespace
