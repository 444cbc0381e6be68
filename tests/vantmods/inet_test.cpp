// The HTTP client against a small server on 127.0.0.1 run by the test
// itself, and the model reader.  Which results a password, a missing file,
// a cut body or a refused connection give, files written from downloads and
// content types are tested through the module's downloads.
#include "support/loopback_http.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "vantmods/vantmods.h"

namespace {

using kavo_test::HttpReply;

constexpr const char *kBody = "model bytes\r\n\0and more";
constexpr int kBodyLength = 23;

// /model gives the body, /slow the same after 1.5 s.
kavo_test::LoopbackHttpServer make_server()
{
    const HttpReply model{200, "image/jpeg", std::string(kBody, kBodyLength)};
    HttpReply slow = model;
    slow.delay_ms = 1500;
    return kavo_test::LoopbackHttpServer({{"/model", model}, {"/slow", slow}});
}

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client_.setAppName(L"Kavo tests");
        // Short limits keep the slow-server case short.
        ASSERT_EQ(client_.connect(500, 400), 0);
    }
    kavo_test::LoopbackHttpServer server_ = make_server();
    CQinet client_;
};

TEST_F(HttpClientTest, BodyWithNulComesWholeAndCopiesOwnTheirBytes)
{
    CQiBuf buffer;
    ASSERT_EQ(client_.httpLoadFile(server_.url("/model").c_str(), "", "", buffer), 0);
    ASSERT_EQ(buffer.count, kBodyLength);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer.data), buffer.count),
              std::string(kBody, kBodyLength));

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

TEST(HttpClient, NothingWorksBeforeConnect)
{
    CQinet client;
    CQiBuf buffer;
    EXPECT_EQ(client.httpLoadFile("http://127.0.0.1:1/", "", "", buffer), Qinet::notConnected);
}

// ---- the model reader -----------------------------------------------------------

// Models from files and buffers, and streams, are tested through the
// module's model downloads; here what cannot be read.
TEST(ModelReader, WhatCannotBeReadGivesNothingAndAnErrorCode)
{
    int32_t result = 0, count = 7;
    EXPECT_EQ(qm_read(nullptr, "Z:\\no\\such.qm", &result), 0);
    EXPECT_NE(result, 0);
    EXPECT_EQ(qm_read_streambuf(nullptr, nullptr, 5, &result), 0);
    EXPECT_EQ(qm_read_streambuf(nullptr, "abc", 0, &result), 0);
    EXPECT_EQ(qm_read_to_streambuf(nullptr, "Z:\\no\\such.qm", &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(qm_model_data(0, &count), nullptr);
    EXPECT_EQ(qm_model_data(1000000, &count), nullptr);
}

} // namespace
