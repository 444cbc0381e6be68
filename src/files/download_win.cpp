#include "files/download_win.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "dialogs/message.h"
#include "util/module_state.h"
#include "util/text_convert.h"
#include "util/guard.h"
#include "util/text_util.h"
#include "util/gwmem.h"

namespace kavo {
namespace {

// The limits handed to the HTTP client: connecting, and each send or
// receive, in milliseconds.
constexpr int32_t kConnectMs = 20000;
constexpr int32_t kReceiveMs = 30000;
// The application name the client reports, in UTF-16 units.
constexpr int kAppNameChars = 200;

struct ModelCache {
    char cached_name[kUrlBytes] = "";
    CQiBuf cached_content;
};

// Made on first use: its buffer comes from the sibling library, which must
// be ready by then.
ModelCache &model_cache()
{
    static ModelCache cache;
    return cache;
}

} // namespace

namespace detail {
void *(*allocate_block)(int32_t size, int32_t tag) = gwGmalloc;
} // namespace detail

NetDownloadInfo &net_download_info()
{
    static NetDownloadInfo info;
    return info;
}

void model_cache_reset()
{
    ModelCache &cache = model_cache();
    cache.cached_name[0] = '\0';
    cache.cached_content.reset();
}

const CQiBuf *model_cache_lookup(const char *name)
{
    const ModelCache &cache = model_cache();
    const bool valid = name && std::strcmp(cache.cached_name, name) == 0 && cache.cached_content.count > 0;
    return valid ? &cache.cached_content : nullptr;
}

void model_cache_store(const char *name, const CQiBuf &content)
{
    model_cache_reset();
    ModelCache &cache = model_cache();
    cache.cached_content = content;
    copy_cut(cache.cached_name, sizeof cache.cached_name, name);
}

bool connect_client(HWND owner, CQinet &client)
{
    if (client.connect(kConnectMs, kReceiveMs) == Qinet::ok)
        return true;
    info_message(owner, "Unable to get internet connection - abort");
    return false;
}

bool net_load_to_buffer(HWND owner, const char *url, CQiBuf &buffer)
{
    if (!url || !*url)
        return false;
    CQinet client;
    wchar_t app_name[kAppNameChars];
    to_wide(CP_ACP, module_state().appTitle, app_name, kAppNameChars);
    client.setAppName(app_name);
    if (!connect_client(owner, client))
        return false;
    const NetDownloadInfo &info = net_download_info();
    const int32_t result = client.httpLoadFile(url, info.access_user, info.access_password, buffer);
    if (result == Qinet::passwordRequired)
        info_message(owner, "Password required to download file!");
    return result == Qinet::ok;
}

void *copy_buffer_to_block(HWND owner, const CQiBuf &buffer, int32_t *size)
{
    if (size)
        *size = 0;
    if (buffer.count < 0 || !buffer.data)
        return nullptr;
    void *block = detail::allocate_block(buffer.count, 0);
    if (!block) {
        info_message(owner, "File memory allocation failed!");
        return nullptr;
    }
    std::memcpy(block, buffer.data, static_cast<std::size_t>(buffer.count));
    if (size)
        *size = buffer.count;
    return block;
}

void info_message_fmt(HWND owner, const char *format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    info_message(owner, text);
}

} // namespace kavo
