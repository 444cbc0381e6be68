// The download settings and the texts built from them: model and thumbnail
// URLs, the name a model is cached and reported under, the file extension
// an image's content type asks for, and the order in which an offline
// image is looked for.  Everything is cut to its field, never copied past.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

// Field capacities in bytes, the terminator included.
inline constexpr std::size_t kAccessTextBytes = 10;
inline constexpr std::size_t kBaseUrlBytes = 300;
// Test URLs, and every URL the module builds: a base URL, "/" and a model
// name or a thumbnail id with its suffix fit in it.
inline constexpr std::size_t kUrlBytes = 600;
inline constexpr std::size_t kModelNameBytes = 200;
// The path the file search hands back.
inline constexpr std::size_t kFoundPathBytes = 300;

// The module-wide download settings.  The module starts offline.
struct NetDownloadInfo {
    int16_t offline = 1;
    char access_user[kAccessTextBytes] = "";
    char access_password[kAccessTextBytes] = "";
    char qmodel_base_url[kBaseUrlBytes] = ""; // stored without a trailing "/"
    char thumbnail_base_url[kBaseUrlBytes] = "";
    char qmodel_test_url[kUrlBytes] = ""; // when set, fetched instead of any model's URL
    char thumbnail_test_url[kUrlBytes] = "";
};

// "base/name" into out (size bytes, cut to fit) and 0; -1 with out
// untouched when the base URL or the name is empty.
int full_qmodel_url(const NetDownloadInfo &info, const char *name, char *out, std::size_t size);

// "base/id/thumbnail", then the test URL over it when one is set; out
// stays as it was when both are empty.
void thumbnail_url(const NetDownloadInfo &info, const char *id, char *out, std::size_t size);

// The URL a model download fetches: the test URL when one is set, else the
// model's own.  Empty when the base URL or the name is empty.
void qmodel_download_url(const NetDownloadInfo &info, const char *name, char *out, std::size_t size);

// The last model name asked for, kept upper-cased: a model that cannot be
// found is reported only when the name asked for has changed.
class LastModelName {
public:
    // Stores name, cut to the field and upper-cased; true when that differs
    // from the name stored before.
    bool remember(const char *name);
    const char *upper() const { return text_; }

private:
    char text_[kModelNameBytes] = "";
};

// The image file extension ("JPG", "PNG", "GIF" or "BMP") that an HTTP
// content type names, spaces and case ignored; null for anything else.
const char *image_extension_of(const char *content_type);

// Puts ext behind the last "." of file_name in place, keeping the dot; a
// name without "." stays as it was.  At most 599 characters of the name
// count, and the result is cut to them too.
void replace_extension(char *file_name, const char *ext);

// Looks for name + ".PNG", ".GIF", ".BMP" and ".JPG" in that order (the
// name cut to 95 characters) with find, which writes the path it found
// into a kFoundPathBytes buffer.  The first path shorter than out_size - 1
// characters goes to out and gives 1; else 0 with out unchanged.
using FindFile = bool (*)(const char *file_name, char *path);
int find_offline_image(const char *name, char *out, int32_t out_size, FindFile find);

} // namespace kavo
