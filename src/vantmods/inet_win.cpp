// The HTTP client on WinINet.  A CQinet is one session with its time
// limits; each load or open makes a connection and a GET request of its own.
#include <windows.h>
#include <wininet.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "vantmods/vantmods.h"

// ---- CQiBuf ---------------------------------------------------------------

CQiBuf::CQiBuf() : data(nullptr), capacity(0), count(0) {}

CQiBuf::CQiBuf(const CQiBuf &other) : CQiBuf()
{
    append(other.data, other.count);
}

CQiBuf::~CQiBuf()
{
    std::free(data);
}

CQiBuf &CQiBuf::operator=(const CQiBuf &other)
{
    if (this != &other) {
        reset();
        append(other.data, other.count);
    }
    return *this;
}

void CQiBuf::reset()
{
    std::free(data);
    data = nullptr;
    capacity = 0;
    count = 0;
}

bool CQiBuf::append(const void *bytes, int32_t length)
{
    if (length <= 0)
        return length == 0;
    if (length > INT32_MAX - count)
        return false;
    const int32_t needed = count + length;
    if (needed > capacity) {
        int32_t grown = capacity < 4096 ? 4096 : capacity;
        while (grown < needed)
            grown = grown > INT32_MAX / 2 ? needed : grown * 2;
        void *moved = std::realloc(data, static_cast<std::size_t>(grown));
        if (!moved)
            return false;
        data = static_cast<uint8_t *>(moved);
        capacity = grown;
    }
    std::memcpy(data + count, bytes, static_cast<std::size_t>(length));
    count = needed;
    return true;
}

int32_t CQiBuf::writeToFile(const wchar_t *path) const
{
    if (!path)
        return -1;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    DWORD written = 0;
    const bool ok = count == 0 || (WriteFile(file, data, static_cast<DWORD>(count), &written, nullptr) &&
                                   written == static_cast<DWORD>(count));
    const bool closed = CloseHandle(file);
    if (!ok || !closed) {
        DeleteFileW(path);
        return -1;
    }
    return 0;
}

// ---- CQinetHandle ---------------------------------------------------------

CQinetHandle::CQinetHandle() : connection(nullptr), request(nullptr) {}

CQinetHandle::~CQinetHandle()
{
    close();
}

void CQinetHandle::close()
{
    if (request)
        InternetCloseHandle(static_cast<HINTERNET>(request));
    if (connection)
        InternetCloseHandle(static_cast<HINTERNET>(connection));
    request = connection = nullptr;
}

// ---- CQinet ---------------------------------------------------------------

namespace {

// The server's status code, 0 when there is none.
DWORD status_code(HINTERNET request)
{
    DWORD status = 0, size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return 0;
    return status;
}

int32_t result_of_status(DWORD status)
{
    if (status == HTTP_STATUS_OK)
        return Qinet::ok;
    return status == HTTP_STATUS_DENIED ? Qinet::passwordRequired : Qinet::httpError;
}

// Set on the session and again on each request: not every WinINet passes
// the session's limits on to the requests made from it.
void apply_limits(HINTERNET handle, DWORD connect_ms, DWORD receive_ms)
{
    InternetSetOptionW(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connect_ms, sizeof connect_ms);
    InternetSetOptionW(handle, INTERNET_OPTION_SEND_TIMEOUT, &receive_ms, sizeof receive_ms);
    InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive_ms, sizeof receive_ms);
}

// Some WinINets end a body at a connection the server closed early, with
// no error: a body shorter than its announced length is a broken transfer.
// The buffer is emptied then, so that nobody keeps half a file.
bool whole_body(HINTERNET request, CQiBuf &out)
{
    DWORD announced = 0, size = sizeof announced;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &announced, &size, nullptr) ||
        announced == static_cast<DWORD>(out.count))
        return true;
    out.reset();
    return false;
}

const char *or_null(const char *text)
{
    return text && *text ? text : nullptr;
}

} // namespace

CQinet::CQinet() : session_(nullptr), connectLimit_(0), receiveLimit_(0)
{
    std::wcscpy(appName_, L"Vantmods");
}

CQinet::~CQinet()
{
    if (session_)
        InternetCloseHandle(static_cast<HINTERNET>(session_));
}

void CQinet::setAppName(const wchar_t *name)
{
    if (!name)
        return;
    std::wcsncpy(appName_, name, sizeof appName_ / sizeof appName_[0] - 1);
    appName_[sizeof appName_ / sizeof appName_[0] - 1] = L'\0';
}

int32_t CQinet::connect(int32_t connect_ms, int32_t receive_ms)
{
    if (session_)
        InternetCloseHandle(static_cast<HINTERNET>(session_));
    HINTERNET session = InternetOpenW(appName_, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    session_ = session;
    if (!session)
        return Qinet::notConnected;
    connectLimit_ = static_cast<DWORD>(connect_ms);
    receiveLimit_ = static_cast<DWORD>(receive_ms);
    apply_limits(session, connectLimit_, receiveLimit_);
    return Qinet::ok;
}

int32_t CQinet::httpOpenFile(const char *url, const char *user, const char *password, CQinetHandle &handle)
{
    handle.close();
    if (!session_)
        return Qinet::notConnected;
    if (!url || !*url)
        return Qinet::badArgument;
    char host[256] = "", path[2048] = "", extra[2048] = "";
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof path;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof extra;
    if (!InternetCrackUrlA(url, 0, 0, &parts) ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
        return Qinet::badArgument;
    const std::string object = std::string(*path ? path : "/") + extra;

    handle.connection = InternetConnectA(static_cast<HINTERNET>(session_), host, parts.nPort, or_null(user),
                                         or_null(password), INTERNET_SERVICE_HTTP, 0, 0);
    if (!handle.connection)
        return Qinet::openFailed;
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                  INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS)
        flags |= INTERNET_FLAG_SECURE;
    handle.request = HttpOpenRequestA(static_cast<HINTERNET>(handle.connection), "GET", object.c_str(), nullptr,
                                      nullptr, nullptr, flags, 0);
    if (handle.request)
        apply_limits(static_cast<HINTERNET>(handle.request), connectLimit_, receiveLimit_);
    if (!handle.request || !HttpSendRequestA(static_cast<HINTERNET>(handle.request), nullptr, 0, nullptr, 0)) {
        handle.close();
        return Qinet::openFailed;
    }
    return result_of_status(status_code(static_cast<HINTERNET>(handle.request)));
}

int32_t CQinet::httpLoadFile(const char *url, const char *user, const char *password, CQiBuf &out)
{
    out.reset();
    CQinetHandle handle;
    const int32_t opened = httpOpenFile(url, user, password, handle);
    if (opened != Qinet::ok)
        return opened;
    char chunk[16384];
    for (;;) {
        DWORD got = 0;
        if (!InternetReadFile(static_cast<HINTERNET>(handle.request), chunk, sizeof chunk, &got)) {
            out.reset();
            return Qinet::readFailed;
        }
        if (got == 0)
            return whole_body(static_cast<HINTERNET>(handle.request), out) ? Qinet::ok : Qinet::readFailed;
        if (!out.append(chunk, static_cast<int32_t>(got))) {
            out.reset();
            return Qinet::noMemory;
        }
    }
}

int32_t CQinet::httpGetResultContentType(CQinetHandle &handle, CQiBuf &out)
{
    out.reset();
    char type[512];
    DWORD size = sizeof type - 1;
    if (!handle.request || !HttpQueryInfoA(static_cast<HINTERNET>(handle.request), HTTP_QUERY_CONTENT_TYPE, type,
                                           &size, nullptr))
        size = 0;
    type[size] = '\0';
    // The text with its NUL, so callers can use the bytes as a C text.
    return out.append(type, static_cast<int32_t>(size + 1)) ? Qinet::ok : Qinet::noMemory;
}
