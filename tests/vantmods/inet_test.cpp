// The HTTP client's limits and buffers, and the model reader's refusals.
// What a password, a missing file, a cut body or a refused connection give
// is tested through the module's downloads.
#include "support/loopback_http.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "vantmods/vantmods.h"

namespace {

TEST(HttpClient, AServerSlowerThanTheReceiveLimitFails)
{
    kavo_test::LoopbackHttpServer server({{"/slow", {200, "", "late", std::string::npos, 1500}}});
    CQinet client;
    CQiBuf buffer;
    EXPECT_EQ(client.httpLoadFile(server.url("/slow").c_str(), "", "", buffer), Qinet::notConnected);
    ASSERT_EQ(client.connect(500, 400), 0);
    const DWORD start = GetTickCount();
    EXPECT_LT(client.httpLoadFile(server.url("/slow").c_str(), "", "", buffer), 0);
    EXPECT_LT(GetTickCount() - start, 1400u) << "the receive limit was not applied";
}

TEST(HttpClient, BufferCopiesOwnTheirBytes)
{
    CQiBuf buffer;
    ASSERT_TRUE(buffer.append("ab\0c", 4));
    CQiBuf copy(buffer), assigned;
    assigned = buffer;
    for (const CQiBuf *other : {&copy, &assigned}) {
        EXPECT_NE(other->data, buffer.data);
        EXPECT_EQ(std::string(reinterpret_cast<char *>(other->data), other->count), std::string("ab\0c", 4));
    }
    buffer.reset();
    EXPECT_EQ(buffer.count, 0);
    EXPECT_EQ(buffer.data, nullptr);
}

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
