// The HTTP client against a small server on 127.0.0.1 run by the test
// itself, and the model reader.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "vantmods/vantmods.h"

namespace {

// A TCP socket bound to a free port of 127.0.0.1.
SOCKET bound_loopback_socket(int *port)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    int length = sizeof addr;
    getsockname(s, reinterpret_cast<sockaddr *>(&addr), &length);
    *port = ntohs(addr.sin_port);
    return s;
}

// Answers one request per connection, by path:
//   /model   200 with a body       /secret  401
//   /slow    200 after 1.5 s       anything else 404
class TinyHttpServer {
public:
    TinyHttpServer()
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        listener_ = bound_loopback_socket(&port_);
        listen(listener_, 8);
        thread_ = std::thread([this] { serve(); });
    }
    ~TinyHttpServer()
    {
        stopping_ = true;
        closesocket(listener_);
        thread_.join();
        WSACleanup();
    }
    std::string url(const char *path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

    static constexpr const char *kBody = "model bytes\r\n\0and more";
    static constexpr int kBodyLength = 23;

private:
    void serve()
    {
        while (!stopping_) {
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET)
                return;
            answer(client);
            closesocket(client);
        }
    }

    static void answer(SOCKET client)
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
        std::string reply;
        if (path == "/model" || path == "/slow") {
            if (path == "/slow")
                Sleep(1500);
            reply = "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: " + std::to_string(kBodyLength) +
                    "\r\nConnection: close\r\n\r\n" + std::string(kBody, kBodyLength);
        } else if (path == "/secret") {
            reply = "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"models\"\r\n"
                    "Content-Length: 0\r\nConnection: close\r\n\r\n";
        } else {
            reply = "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 0\r\n"
                    "Connection: close\r\n\r\n";
        }
        send(client, reply.data(), static_cast<int>(reply.size()), 0);
    }

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

// A port on which nobody listens.
int closed_port()
{
    int port = 0;
    closesocket(bound_loopback_socket(&port));
    return port;
}

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client_.setAppName(L"Kavo tests");
        // Short limits keep the slow-server case short.
        ASSERT_EQ(client_.connect(500, 400), 0);
    }
    TinyHttpServer server_;
    CQinet client_;
};

TEST_F(HttpClientTest, BodyWithNulComesWholeAndCopiesOwnTheirBytes)
{
    CQiBuf buffer;
    ASSERT_EQ(client_.httpLoadFile(server_.url("/model").c_str(), "", "", buffer), 0);
    ASSERT_EQ(buffer.count, TinyHttpServer::kBodyLength);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer.data), buffer.count),
              std::string(TinyHttpServer::kBody, TinyHttpServer::kBodyLength));

    // The layout callers read directly.
    static_assert(offsetof(CQiBuf, data) == 0, "data pointer first");
    EXPECT_EQ(reinterpret_cast<int32_t *>(&buffer)[sizeof(void *) / 4 + 1], buffer.count);

    CQiBuf copy;
    copy = buffer;
    EXPECT_EQ(copy.count, buffer.count);
    EXPECT_NE(copy.data, buffer.data);
    CQiBuf constructed(buffer);
    EXPECT_EQ(std::memcmp(constructed.data, buffer.data, buffer.count), 0);
    buffer.reset();
    EXPECT_EQ(buffer.count, 0);
    EXPECT_EQ(buffer.data, nullptr);

    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    wcscat(path, L"vantmods_download.bin");
    ASSERT_EQ(copy.writeToFile(path), 0);
    std::ifstream saved(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    saved.close();
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(TinyHttpServer::kBodyLength));
    DeleteFileW(path);
    EXPECT_NE(copy.writeToFile(L"Z:\\no\\such\\folder\\x.bin"), 0);
}

TEST_F(HttpClientTest, StatusCodesAndFailuresGiveTheirResults)
{
    struct Case {
        std::string url;
        int32_t result;
    };
    const Case cases[] = {
        {server_.url("/secret"), Qinet::passwordRequired},
        {server_.url("/missing"), Qinet::httpError},
        {"http://127.0.0.1:" + std::to_string(closed_port()) + "/model", Qinet::openFailed},
        {"not a url", Qinet::badArgument},
        {"", Qinet::badArgument},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.url);
        CQiBuf buffer;
        buffer.append("old", 3);
        const int32_t result = client_.httpLoadFile(c.url.c_str(), nullptr, nullptr, buffer);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(buffer.count, 0);
    }
}

TEST_F(HttpClientTest, AServerSlowerThanTheLimitFails)
{
    CQiBuf buffer;
    const DWORD start = GetTickCount();
    const int32_t result = client_.httpLoadFile(server_.url("/slow").c_str(), "", "", buffer);
    EXPECT_LT(result, 0);
    EXPECT_NE(result, Qinet::passwordRequired);
    EXPECT_LT(GetTickCount() - start, 1400u) << "the receive limit was not applied";
}

TEST_F(HttpClientTest, ContentTypeOfAnOpenRequest)
{
    CQinetHandle handle;
    ASSERT_EQ(client_.httpOpenFile(server_.url("/model").c_str(), "", "", handle), 0);
    CQiBuf type;
    EXPECT_EQ(client_.httpGetResultContentType(handle, type), 0);
    EXPECT_STREQ(reinterpret_cast<char *>(type.data), "image/jpeg");
    CQinetHandle missing;
    EXPECT_NE(client_.httpOpenFile(server_.url("/nothing").c_str(), "", "", missing), 0);
}

TEST(HttpClient, NothingWorksBeforeConnect)
{
    CQinet client;
    CQiBuf buffer;
    EXPECT_EQ(client.httpLoadFile("http://127.0.0.1:1/", "", "", buffer), Qinet::notConnected);
}

// ---- the model reader -----------------------------------------------------------

TEST(ModelReader, FilesAndBuffersBecomeModels)
{
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    const std::string file = std::string(path) + "vantmods_model.qm";
    std::ofstream(file, std::ios::binary) << std::string("QM\0\1model", 9);

    int32_t result = 99;
    const int32_t model = qm_read(nullptr, file.c_str(), &result);
    EXPECT_NE(model, 0);
    EXPECT_EQ(result, 0);
    int32_t count = 0;
    const void *bytes = qm_model_data(model, &count);
    ASSERT_EQ(count, 9);
    EXPECT_EQ(std::memcmp(bytes, "QM\0\1model", 9), 0);

    const int32_t from_memory = qm_read_streambuf(nullptr, "abc", 3, &result);
    EXPECT_NE(from_memory, 0);
    EXPECT_NE(from_memory, model);

    void *stream = qm_read_to_streambuf(nullptr, file.c_str(), &count);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(count, 9);
    EXPECT_EQ(std::memcmp(stream, "QM\0\1model", 9), 0);
    qm_release_streambuf(stream);
    DeleteFileA(file.c_str());

    // What cannot be read gives 0 and an error code.
    EXPECT_EQ(qm_read(nullptr, file.c_str(), &result), 0);
    EXPECT_NE(result, 0);
    EXPECT_EQ(qm_read_streambuf(nullptr, nullptr, 5, &result), 0);
    EXPECT_EQ(qm_read_streambuf(nullptr, "abc", 0, &result), 0);
    count = 7;
    EXPECT_EQ(qm_read_to_streambuf(nullptr, file.c_str(), &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(qm_model_data(0, &count), nullptr);
    EXPECT_EQ(qm_model_data(model + 1000, &count), nullptr);
}

} // namespace
