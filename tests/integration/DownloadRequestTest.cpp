// What the download routine sends, and what it makes of a plain answer.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "support/TestHostBody.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::HttpReply;

using DownloadRequest = DownloadFixture;

TEST_F(DownloadRequest, SendsOneGetOfTheBareObjectName) {
    host.Serve("/index.html", HttpReply::Ok(10));
    ASSERT_EQ(Download("index.html", "index.html"), TRUE);

    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto& request = requests[0];
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.target, "/index.html");
    EXPECT_EQ(request.version, "HTTP/1.1");
    EXPECT_EQ(request.Header("User-Agent"), "Korvane Vessamo Download");
    EXPECT_EQ(request.HeaderCount("Accept"), 1);
    EXPECT_EQ(request.Header("Accept"), "*");
    EXPECT_EQ(request.Header("Host"), host.HostAndPort());
    // Nothing that would change what the host sends: no credentials, no
    // compression, no ranges, no cache rules.
    for (const char* absent : {"Authorization", "Accept-Encoding", "Range", "Cache-Control",
                               "Pragma", "Proxy-Authorization"}) {
        EXPECT_EQ(request.HeaderCount(absent), 0) << absent;
    }
    EXPECT_TRUE(FileHoldsPattern(LocalPath("index.html"), 10));
}

// Every header of a request, as the README lists them for each build.
TEST_F(DownloadRequest, SendsNoOtherHeaders) {
    host.Serve("/index.html", HttpReply::Ok(10));
    ASSERT_EQ(Download("index.html", "index.html"), TRUE);
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u);
    std::set<std::string> names;
    for (const auto& [name, value] : requests[0].headers) names.insert(name);
#ifdef _WIN32
    std::set<std::string> sent = {"Accept", "Connection", "Host", "User-Agent"};
#else
    std::set<std::string> sent = {"Accept", "Host", "User-Agent"};
#endif
    EXPECT_EQ(names, sent);
#ifdef _WIN32
    // WinINet keeps the connection for NTLM and Negotiate, and says so.
    EXPECT_EQ(requests[0].Header("Connection"), "Keep-Alive");
#endif
}

TEST_F(DownloadRequest, BodyOfExactly65535BytesEndsAt100) {
    host.Serve("/vessamo-nten.exe", HttpReply::Ok(65535));
    ASSERT_EQ(Download("vessamo-nten.exe"), TRUE);
    EXPECT_EQ(GetProgress(), 100);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 65535));
}

TEST_F(DownloadRequest, BodiesOfManySizesArriveWhole) {
    // Around the read size, the receive buffer and the spill, chunked and not.
    for (std::uint64_t size : {0ull, 1ull, 16383ull, 16384ull, 65534ull, 65536ull, 102400ull,
                               102401ull, 250000ull, 3000017ull}) {
        for (auto framing :
             {HttpReply::Framing::Length, HttpReply::Framing::Chunked, HttpReply::Framing::Close}) {
            HttpReply reply = HttpReply::Ok(size);
            reply.framing = framing;
            reply.chunkSize = 7000;
            host.Serve("/p", reply);
            std::string name =
                "p" + std::to_string(size) + "-" + std::to_string(static_cast<int>(framing));
            SetProgress(-1);
            ASSERT_EQ(Download("p", name), TRUE) << name;
            EXPECT_TRUE(FileHoldsPattern(LocalPath(name), size)) << name;
            EXPECT_EQ(GetProgress(), 100) << name;
        }
    }
}

}  // namespace
