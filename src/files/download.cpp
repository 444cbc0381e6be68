#include "files/download.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "util/text_util.h"
#include "util/guard.h"

namespace kavo {
namespace {

bool empty(const char *text)
{
    return !text || !*text;
}

// The content-type work text and the image name before its extension.
constexpr std::size_t kContentTypeBytes = 80;
constexpr std::size_t kImageNameBytes = 100;
constexpr std::size_t kExtensionChars = 4; // ".PNG"

} // namespace

int full_qmodel_url(const NetDownloadInfo &info, const char *name, char *out, std::size_t size)
{
    if (empty(info.qmodel_base_url) || empty(name) || !out || size == 0)
        return -1;
    std::snprintf(out, size, "%s/%s", info.qmodel_base_url, name);
    return 0;
}

void thumbnail_url(const NetDownloadInfo &info, const char *id, char *out, std::size_t size)
{
    if (!out || size == 0)
        return;
    if (!empty(info.thumbnail_base_url))
        std::snprintf(out, size, "%s/%s/thumbnail", info.thumbnail_base_url, id ? id : "");
    if (!empty(info.thumbnail_test_url))
        copy_cut(out, size, info.thumbnail_test_url);
}

void qmodel_download_url(const NetDownloadInfo &info, const char *name, char *out, std::size_t size)
{
    copy_cut(out, size, "");
    if (full_qmodel_url(info, name, out, size) == 0 && !empty(info.qmodel_test_url))
        copy_cut(out, size, info.qmodel_test_url);
}

bool LastModelName::remember(const char *name)
{
    char upper[kModelNameBytes];
    copy_cut(upper, sizeof upper, name);
    upcase_nordic(upper);
    const bool changed = std::strcmp(upper, text_) != 0;
    std::memcpy(text_, upper, sizeof upper);
    return changed;
}

const char *image_extension_of(const char *content_type)
{
    char work[kContentTypeBytes];
    copy_cut(work, sizeof work, content_type);
    *std::remove(work, work + std::strlen(work), ' ') = '\0';
    upcase_nordic(work);
    const char *slash = std::strchr(work, '/');
    if (!std::strstr(work, "IMAGE") || !slash)
        return nullptr;
    static constexpr struct {
        const char *subtype;
        const char *extension;
    } kImageTypes[] = {{"/JPEG", "JPG"}, {"/PNG", "PNG"}, {"/GIF", "GIF"}, {"/BMP", "BMP"}};
    for (const auto &type : kImageTypes) {
        if (std::strstr(slash, type.subtype))
            return type.extension;
    }
    return nullptr;
}

void replace_extension(char *file_name, const char *ext)
{
    if (!file_name || !ext)
        return;
    char work[kUrlBytes];
    copy_cut(work, sizeof work, file_name);
    char *dot = std::strrchr(work, '.');
    if (!dot)
        return;
    copy_cut(dot + 1, static_cast<std::size_t>(work + sizeof work - (dot + 1)), ext);
    std::strcpy(file_name, work);
}

int find_offline_image(const char *name, char *out, int32_t out_size, FindFile find)
{
    char file_name[kImageNameBytes];
    copy_cut(file_name, sizeof file_name - kExtensionChars, name);
    char *extension_at = file_name + std::strlen(file_name);
    for (const char *extension : {".PNG", ".GIF", ".BMP", ".JPG"}) {
        std::strcpy(extension_at, extension);
        char path[kFoundPathBytes] = "";
        if (find(file_name, path) && out && static_cast<int64_t>(std::strlen(path)) < int64_t{out_size} - 1) {
            std::strcpy(out, path);
            return 1;
        }
    }
    return 0;
}

} // namespace kavo
