// The download exports: settings, URLs, files, streams and models from the
// host's server, or from the search folders while the module is offline.
#include <windows.h>

#include <cstring>

#include "files/download_win.h"
#include "util/module_state.h"
#include "util/text_convert.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"
#include "util/gwmem.h"

namespace kavo {
namespace {

// The file name given to the buffer's writer, in UTF-16 units.
constexpr int kFileNameChars = 600;

bool found_in_search_dirs(const char *file_name, char *path)
{
    return qa_findfile(path, file_name, 0) == 1;
}

// A model asked for by name: a file in the search folders while offline,
// else the cached or freshly downloaded bytes.  The two readers turn what
// was found into the caller's result; `none` is the result of a model that
// is not there.  A missing model is reported once per name, not on every
// repeated request.
template <typename Result, typename FromFile, typename FromBytes>
Result read_model(LastModelName &last, const char *name, uint8_t show_message, Result none, FromFile from_file,
                  FromBytes from_bytes)
{
    const bool changed = last.remember(name);
    const char *upper_name = last.upper();
    const NetDownloadInfo &info = net_download_info();
    if (info.offline) {
        char path[kFoundPathBytes];
        if (found_in_search_dirs(upper_name, path))
            return from_file(path);
    } else {
        if (!*info.qmodel_base_url || !*upper_name)
            return none;
        if (const CQiBuf *cached = model_cache_lookup(upper_name))
            return from_bytes(*cached);
        char url[kUrlBytes];
        qmodel_download_url(info, upper_name, url, sizeof url);
        CQiBuf loaded;
        if (net_load_to_buffer(module_state().ownerWindow, url, loaded)) {
            model_cache_store(upper_name, loaded);
            return from_bytes(loaded);
        }
    }
    if (changed && show_message)
        info_message_fmt(module_state().ownerWindow, "Model not found\r\n%s", upper_name);
    return none;
}

LastModelName &last_qmodel_name()
{
    static LastModelName name;
    return name;
}

LastModelName &last_stream_model_name()
{
    static LastModelName name;
    return name;
}

} // namespace
} // namespace kavo

using kavo::net_download_info;

extern "C" void WINAPI qa_set_net_download_info(int16_t offline, const char *access_user,
                                                const char *access_password, const char *qmodel_base_url,
                                                const char *thumbnail_base_url) noexcept
{
    kavo::guarded_void([&] {
        kavo::NetDownloadInfo &info = net_download_info();
        info.offline = offline;
        kavo::copy_cut(info.access_user, sizeof info.access_user, access_user);
        kavo::copy_cut(info.access_password, sizeof info.access_password, access_password);
        kavo::copy_cut(info.qmodel_base_url, sizeof info.qmodel_base_url, qmodel_base_url);
        kavo::copy_cut(info.thumbnail_base_url, sizeof info.thumbnail_base_url, thumbnail_base_url);
    });
}

extern "C" int16_t WINAPI qa_is_net_offline(void) noexcept
{
    return net_download_info().offline;
}

extern "C" void WINAPI qa_set_qmodel_test_url(const char *url) noexcept
{
    kavo::guarded_void([&] { kavo::copy_cut(net_download_info().qmodel_test_url, kavo::kUrlBytes, url); });
}

extern "C" void WINAPI qa_set_thumbnail_test_url(const char *url) noexcept
{
    kavo::guarded_void([&] { kavo::copy_cut(net_download_info().thumbnail_test_url, kavo::kUrlBytes, url); });
}

extern "C" int32_t WINAPI qa_get_full_qmodel_URL(const char *name, char *out) noexcept
{
    return kavo::guarded(-1, [&] { return kavo::full_qmodel_url(net_download_info(), name, out, kavo::kUrlBytes); });
}

extern "C" void WINAPI qa_web_page_thumbnail_URL(const char *id, char *out) noexcept
{
    kavo::guarded_void([&] { kavo::thumbnail_url(net_download_info(), id, out, kavo::kUrlBytes); });
}

extern "C" int32_t WINAPI qa_file_download(HWND owner, const char *url, const char *file_name) noexcept
{
    return kavo::guarded(-1, [&] {
        CQiBuf buffer;
        if (!file_name || !*file_name || !kavo::net_load_to_buffer(owner, url, buffer))
            return -1;
        wchar_t wide_name[kavo::kFileNameChars];
        kavo::to_wide(CP_ACP, file_name, wide_name, kavo::kFileNameChars);
        return buffer.writeToFile(wide_name) == 0 ? 0 : -1;
    });
}

extern "C" void *WINAPI qa_file_stream_download(HWND owner, const char *url, int32_t *size) noexcept
{
    return kavo::guarded(static_cast<void *>(nullptr), [&]() -> void * {
        CQiBuf buffer;
        if (!kavo::net_load_to_buffer(owner, url, buffer))
            return nullptr;
        return kavo::copy_buffer_to_block(owner, buffer, size);
    });
}

extern "C" int16_t WINAPI qa_file_get_content_type(HWND owner, const char *url, char *out, int32_t out_size) noexcept
{
    return kavo::guarded(int16_t{-1}, [&]() -> int16_t {
        if (!url || !*url || !out || out_size < 1)
            return -1;
        CQinet client;
        CQinetHandle handle;
        if (!kavo::connect_client(owner, client))
            return -1;
        const kavo::NetDownloadInfo &info = net_download_info();
        if (client.httpOpenFile(url, info.access_user, info.access_password, handle) != Qinet::ok)
            return -1;
        CQiBuf type;
        client.httpGetResultContentType(handle, type);
        const char *text = type.data && type.count > 0 ? reinterpret_cast<const char *>(type.data) : "";
        std::strncpy(out, text, static_cast<std::size_t>(out_size));
        out[out_size - 1] = '\0';
        return 0;
    });
}

extern "C" int32_t WINAPI qa_read_qmodel(const char *name, uint8_t show_message) noexcept
{
    return kavo::guarded(0, [&] {
        const HWND owner = kavo::module_state().ownerWindow;
        int32_t scratch = 0;
        return kavo::read_model(
            kavo::last_qmodel_name(), name, show_message, int32_t{0},
            [&](const char *path) { return qm_read(owner, path, &scratch); },
            [&](const CQiBuf &bytes) { return qm_read_streambuf(owner, bytes.data, bytes.count, &scratch); });
    });
}

extern "C" void *WINAPI qa_read_qmodel_to_stream(const char *name, uint8_t show_message, int32_t *size) noexcept
{
    if (size)
        *size = 0;
    return kavo::guarded(static_cast<void *>(nullptr), [&] {
        const HWND owner = kavo::module_state().ownerWindow;
        return kavo::read_model(
            kavo::last_stream_model_name(), name, show_message, static_cast<void *>(nullptr),
            [&](const char *path) { return qm_read_to_streambuf(owner, path, size); },
            [&](const CQiBuf &bytes) { return kavo::copy_buffer_to_block(owner, bytes, size); });
    });
}

extern "C" void WINAPI qa_release_file_stream(void *stream) noexcept
{
    // A stream goes back to whoever made it: the model reader's while
    // offline, a memory block of the module while online.
    kavo::guarded_void([&] {
        if (net_download_info().offline)
            qm_release_streambuf(stream);
        else
            kavo::gwGfree(stream);
    });
}

extern "C" int32_t WINAPI qa_get_offline_image_full_filename(const char *name, char *out, int32_t out_size) noexcept
{
    return kavo::guarded(0, [&] { return kavo::find_offline_image(name, out, out_size, kavo::found_in_search_dirs); });
}

extern "C" int32_t WINAPI qa_get_offline_image_full_filename_wsz(const char *name, wchar_t *out, int32_t out_size) noexcept
{
    return kavo::guarded(0, [&] {
        char path[kavo::kUrlBytes];
        if (qa_get_offline_image_full_filename(name, path, sizeof path) != 1)
            return 0;
        kavo::to_wide(CP_ACP, path, out, out_size / 2);
        return 1;
    });
}

extern "C" void WINAPI qa_set_image_file_extension_by_contenttype(char *file_name, const char *content_type) noexcept
{
    kavo::guarded_void([&] {
        if (const char *extension = kavo::image_extension_of(content_type))
            kavo::replace_extension(file_name, extension);
    });
}
