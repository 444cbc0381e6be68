// A small HTTP server on a free port of 127.0.0.1, run by a test on a
// thread of its own: it answers the one request of each connection from a
// table of replies by path (404 for any other path) and logs the paths.
#pragma once

#include <winsock2.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kavo_test {

struct HttpReply {
    HttpReply(int status_ = 200, const std::string &type = "", const std::string &body_ = "",
              std::size_t sent_ = std::string::npos, DWORD delay = 0)
        : status(status_), content_type(type), body(body_), sent(sent_), delay_ms(delay)
    {
    }
    int status; // 200, 401 or 404
    std::string content_type;
    std::string body;
    std::size_t sent;   // bytes of the body sent before the server closes
    DWORD delay_ms;     // before answering
};

class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(std::map<std::string, HttpReply> replies);
    ~LoopbackHttpServer();
    std::string url(const std::string &path) const;
    std::vector<std::string> requests() const; // the paths asked for, in order

private:
    void answer(SOCKET client);

    const std::map<std::string, HttpReply> replies_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    mutable std::mutex log_lock_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace kavo_test
