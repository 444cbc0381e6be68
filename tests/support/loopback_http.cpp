#include "support/loopback_http.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace kavo_test {
LoopbackHttpServer::LoopbackHttpServer(std::map<std::string, HttpReply> replies) : replies_(std::move(replies))
{
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr *>(&addr), sizeof addr); // port 0: a free one
    int length = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr *>(&addr), &length);
    port_ = ntohs(addr.sin_port);
    listen(listener_, 8);
    // Closing the listener ends the accept loop.
    thread_ = std::thread([this] {
        for (SOCKET client; (client = accept(listener_, nullptr, nullptr)) != INVALID_SOCKET;) {
            answer(client);
            closesocket(client);
        }
    });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    closesocket(listener_);
    thread_.join();
    WSACleanup();
}

std::string LoopbackHttpServer::url(const std::string &path) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LoopbackHttpServer::requests() const
{
    std::lock_guard<std::mutex> hold(log_lock_);
    return requests_;
}

void LoopbackHttpServer::answer(SOCKET client)
{
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(client, chunk, sizeof chunk, 0);
        if (got <= 0)
            return;
        request.append(chunk, static_cast<std::size_t>(got));
    }
    const std::string path = request.substr(4, request.find(' ', 4) - 4);
    {
        std::lock_guard<std::mutex> hold(log_lock_);
        requests_.push_back(path);
    }
    const auto found = replies_.find(path);
    const HttpReply reply = found != replies_.end() ? found->second : HttpReply(404);
    Sleep(reply.delay_ms);
    const char *status = reply.status == 401   ? "401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"models\""
                         : reply.status == 200 ? "200 OK"
                                               : "404 Not Found";
    const std::string type = reply.content_type.empty() ? "" : "Content-Type: " + reply.content_type + "\r\n";
    // The whole body's length is announced even when only a part is sent.
    const std::string bytes = "HTTP/1.1 " + std::string(status) + "\r\n" + type + "Content-Length: " +
                              std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n" +
                              reply.body.substr(0, std::min(reply.sent, reply.body.size()));
    send(client, bytes.data(), static_cast<int>(bytes.size()), 0);
}

} // namespace kavo_test
