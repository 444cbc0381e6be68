/*
 * vantmods.h - interface of Vantmods_x32.dll, the sibling library of
 * KavoApi.dll: the record database, the model reader and the HTTP client.
 *
 * Record database.  A database is two files (records and their index, made
 * for language texts by langdb).  qbopendatabase checks both and gives a
 * handle >= 0, or a negative value.  Records are read while the files are
 * open for reading (qbbeginquickread) or for update (qbbeginquickupdate),
 * until qbendquick or qbclosefile; each begin reads the files afresh.
 * qbfindrec gives a record of its own that the caller hands back with
 * qbreleaserec, or null when the record is absent or the files are not
 * open.  qbcopyatt copies an attribute's text in the ANSI code page,
 * qbcopywsz in UTF-16 (size in bytes); both return nonzero when the
 * attribute exists, cut the text to fit and always terminate it.
 *
 * Model reader.  qm_read and qm_read_streambuf keep a copy of the model in
 * the library and give a nonzero model handle, or 0 with an error code in
 * *result; qm_model_data shows a model's bytes.  qm_read_to_streambuf gives
 * a file's bytes in a block of the library, released by
 * qm_release_streambuf.
 *
 * HTTP client.  CQinet on WinINet; results are the Qinet::retValue codes.
 * URLs, users and passwords are 8-bit texts in the ANSI code page.
 */
#ifndef VANTMODS_H
#define VANTMODS_H

#include <windows.h>
#include <stdint.h>

#if defined(VANTMODS_BUILDING)
#define VANTMODS
#else
#define VANTMODS __declspec(dllimport)
#endif

/* No exception ever leaves the library: to C++ every function is noexcept,
 * and the library's own definitions must say so too or they do not compile. */
#if defined(__cplusplus)
#define VANTMODS_NOEXCEPT noexcept
#else
#define VANTMODS_NOEXCEPT
#endif

#if defined(__cplusplus)
extern "C" {
#endif

typedef struct qbrec qbrec;

VANTMODS int16_t WINAPI qbopendatabase(const char *file1, const char *file2, int32_t flags) VANTMODS_NOEXCEPT;
VANTMODS int16_t WINAPI qbclosedatabase(int16_t handle) VANTMODS_NOEXCEPT;
VANTMODS int16_t WINAPI qbfileisopen(int16_t handle) VANTMODS_NOEXCEPT;
VANTMODS int16_t WINAPI qbbeginquickread(int16_t handle) VANTMODS_NOEXCEPT;
VANTMODS int16_t WINAPI qbbeginquickupdate(int16_t handle) VANTMODS_NOEXCEPT;
VANTMODS int16_t WINAPI qbendquick(int16_t handle) VANTMODS_NOEXCEPT;
VANTMODS int16_t WINAPI qbclosefile(int16_t handle) VANTMODS_NOEXCEPT;
VANTMODS qbrec *WINAPI qbfindrec(int16_t handle, const char *type, const int32_t *key,
                                 int32_t flags) VANTMODS_NOEXCEPT;
VANTMODS int32_t WINAPI qbcopyatt(int16_t handle, qbrec *record, int16_t att_id, int32_t *length, char *out,
                                  int32_t size) VANTMODS_NOEXCEPT;
VANTMODS int32_t WINAPI qbcopywsz(int16_t handle, qbrec *record, int16_t att_id, wchar_t *out, int16_t size_bytes,
                                  int32_t flags) VANTMODS_NOEXCEPT;
VANTMODS void WINAPI qbreleaserec(qbrec *record) VANTMODS_NOEXCEPT;

VANTMODS int32_t WINAPI qm_read(HWND owner, const char *path, int32_t *result) VANTMODS_NOEXCEPT;
VANTMODS int32_t WINAPI qm_read_streambuf(HWND owner, const void *data, int32_t count,
                                          int32_t *result) VANTMODS_NOEXCEPT;
VANTMODS void *WINAPI qm_read_to_streambuf(HWND owner, const char *path, int32_t *count) VANTMODS_NOEXCEPT;
VANTMODS void WINAPI qm_release_streambuf(void *stream) VANTMODS_NOEXCEPT;
VANTMODS const void *WINAPI qm_model_data(int32_t model, int32_t *count) VANTMODS_NOEXCEPT;

#if defined(__cplusplus)
} /* extern "C" */

namespace Qinet {
enum retValue : int32_t {
    ok = 0,
    notConnected = -1,
    openFailed = -2,      // the URL could not be opened: refused, unknown host, timeout
    readFailed = -3,      // the transfer broke off
    httpError = -4,       // any other HTTP status than 200
    noMemory = -5,
    badArgument = -6,
    passwordRequired = -7 // the server answered 401
};
}

/* A growing byte buffer.  Callers read `data` and `count` directly: data is
 * the first member and count the third, whatever else is added later. */
class VANTMODS CQiBuf {
public:
    uint8_t *data;
    int32_t capacity;
    int32_t count;

    CQiBuf();
    CQiBuf(const CQiBuf &other);
    ~CQiBuf();
    CQiBuf &operator=(const CQiBuf &other);
    void reset();
    // False when the memory could not grow; the buffer is then unchanged.
    bool append(const void *bytes, int32_t length);
    // 0 when the bytes were written to the file, -1 otherwise.
    int32_t writeToFile(const wchar_t *path) const;
};

/* An open request, filled by CQinet::httpOpenFile. */
class VANTMODS CQinetHandle {
public:
    void *connection;
    void *request;

    CQinetHandle();
    ~CQinetHandle();
    void close();

private:
    CQinetHandle(const CQinetHandle &);
    CQinetHandle &operator=(const CQinetHandle &);
};

class VANTMODS CQinet {
public:
    CQinet();
    ~CQinet();
    void setAppName(const wchar_t *name);
    // Opens the WinINet session; the connect and receive limits in ms.
    int32_t connect(int32_t connect_ms, int32_t receive_ms);
    int32_t httpLoadFile(const char *url, const char *user, const char *password, CQiBuf &out);
    int32_t httpOpenFile(const char *url, const char *user, const char *password, CQinetHandle &handle);
    int32_t httpGetResultContentType(CQinetHandle &handle, CQiBuf &out);

private:
    CQinet(const CQinet &);
    CQinet &operator=(const CQinet &);

    void *session_;
    wchar_t appName_[200];
    unsigned long connectLimit_, receiveLimit_; /* ms, as given to connect */
};

#endif /* __cplusplus */

#endif /* VANTMODS_H */
