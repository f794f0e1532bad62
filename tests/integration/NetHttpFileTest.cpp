// The internet classes on their own, against the test host: the pulled
// reads, the interrupt check, the headers and the failures they report.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/net/InternetException.h"
#include "platform/net/InternetSession.h"
#include "support/InternetErrorOf.h"
#include "support/TestHost.h"
#include "support/TestHostBody.h"

namespace {

using testing_support::HttpReply;
using testing_support::InternetErrorOf;
using testing_support::PatternBytes;
using testing_support::TestHost;

// A session with time-outs short enough for tests and a request for `object`.
class NetHttpFile : public ::testing::Test {
  protected:
    std::unique_ptr<CHttpFile> OpenRequest(const std::string& object, int port = 0,
                                           DWORD receiveTimeoutMs = 10000,
                                           DWORD connectTimeoutMs = 10000) {
        CInternetSession session("net test");
        session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, connectTimeoutMs);
        session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, receiveTimeoutMs);
        auto connection = session.GetHttpConnection(
            "127.0.0.1", static_cast<INTERNET_PORT>(port ? port : host.Port()));
        return connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, object.c_str());
    }

    // Reads the whole body in reads of `count` bytes.
    static std::string ReadAll(CHttpFile& file, UINT count) {
        std::string body;
        std::string buffer(count, '\0');
        while (UINT n = file.Read(buffer.data(), count)) body.append(buffer.data(), n);
        return body;
    }

    TestHost host;
};

TEST_F(NetHttpFile, StatusAndLengthComeBeforeTheBody) {
    HttpReply reply = HttpReply::Ok(1000);
    reply.stallAt = 0;  // the head arrives, the body waits for the test
    host.Serve("/f", reply);
    auto file = OpenRequest("f");
    ASSERT_EQ(file->SendRequest(), TRUE);
    DWORD status = 0;
    ULONGLONG length = 0;
    ASSERT_EQ(file->QueryInfoStatusCode(status), TRUE);
    EXPECT_EQ(status, 200u);
    ASSERT_EQ(file->QueryContentLength(length), TRUE);
    EXPECT_EQ(length, 1000u);
    host.ReleaseStall();
    EXPECT_EQ(ReadAll(*file, 65535), PatternBytes(0, 1000));
}

TEST_F(NetHttpFile, AnyReadSizeGetsTheBodyInOrder) {
    for (UINT count : {1u, 7u, 4096u, 16385u, 65535u, 300000u}) {
        for (auto framing : {HttpReply::Framing::Length, HttpReply::Framing::Chunked}) {
            HttpReply reply = HttpReply::Ok(400009);
            reply.framing = framing;
            host.Serve("/f", reply);
            auto file = OpenRequest("f");
            ASSERT_EQ(file->SendRequest(), TRUE);
            EXPECT_TRUE(ReadAll(*file, count) == PatternBytes(0, 400009)) << count;
        }
    }
}

TEST_F(NetHttpFile, NoLengthForChunkedOrCloseEndedBodies) {
    for (auto framing : {HttpReply::Framing::Chunked, HttpReply::Framing::Close}) {
        HttpReply reply = HttpReply::Ok(5000);
        reply.framing = framing;
        host.Serve("/f", reply);
        auto file = OpenRequest("f");
        ASSERT_EQ(file->SendRequest(), TRUE);
        ULONGLONG length = 12345;
        EXPECT_EQ(file->QueryContentLength(length), FALSE);
        EXPECT_EQ(ReadAll(*file, 65535).size(), 5000u);
    }
}

TEST_F(NetHttpFile, RepeatedEqualLengthsAnnounceOneLength) {
    for (auto headers : {std::vector<std::string>{"Content-Length: 5000", "Content-Length: 5000"},
                         std::vector<std::string>{"Content-Length: 5000, 5000"}}) {
        HttpReply reply = HttpReply::Ok(5000);
        reply.framing = HttpReply::Framing::Close;
        reply.headers = headers;
        host.Serve("/f", reply);
        auto file = OpenRequest("f");
        ASSERT_EQ(file->SendRequest(), TRUE);
        ULONGLONG length = 0;
        ASSERT_EQ(file->QueryContentLength(length), TRUE);
        EXPECT_EQ(length, 5000u);
        EXPECT_EQ(ReadAll(*file, 65535), PatternBytes(0, 5000));
    }
}

TEST_F(NetHttpFile, InterruptEndsAWaitOnASilentServer) {
    HttpReply reply = HttpReply::Ok(1000);
    reply.stallAt = 100;
    host.Serve("/f", reply);
    std::atomic<bool> stop{false};
    auto file = OpenRequest("f", 0, 600000);
    file->SetInterruptCheck([&] { return stop.load(); });
    ASSERT_EQ(file->SendRequest(), TRUE);
    char buffer[1000];
    UINT got = 0;
    while (got < 100) got += file->Read(buffer, sizeof buffer);
    EXPECT_EQ(got, 100u);
    stop = true;
    EXPECT_EQ(file->Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file->IsInterrupted(), TRUE);
    // The request is still usable: once the host goes on, so does the body.
    stop = false;
    host.ReleaseStall();
    EXPECT_EQ(ReadAll(*file, 1000).size(), 900u);
    EXPECT_EQ(file->IsInterrupted(), FALSE);
}

TEST_F(NetHttpFile, InterruptEndsAWaitForTheHead) {
    HttpReply reply = HttpReply::Ok(10);
    reply.headerDelayMs = 600000;
    host.Serve("/f", reply);
    auto file = OpenRequest("f", 0, 600000);
    file->SetInterruptCheck([] { return true; });
    EXPECT_EQ(file->SendRequest(), FALSE);
    EXPECT_EQ(file->IsInterrupted(), TRUE);
}

TEST_F(NetHttpFile, AnEndedBodyIsNotInterrupted) {
    host.Serve("/f", HttpReply::Ok(70000));
    auto file = OpenRequest("f");
    ASSERT_EQ(file->SendRequest(), TRUE);
    std::string buffer(70000, '\0');
    UINT got = 0;
    while (got < 70000) got += file->Read(buffer.data() + got, 70000 - got);
    // The whole announced body is in: the last read ends it at once,
    // whatever the interrupt check says.
    file->SetInterruptCheck([] { return true; });
    EXPECT_EQ(file->Read(buffer.data(), 10), 0u);
    EXPECT_EQ(file->IsInterrupted(), FALSE);
}

TEST_F(NetHttpFile, AddIfNewKeepsTheFirstHeaderAndReplaceOverwrites) {
    host.Serve("/f", HttpReply::Ok(1));
    auto file = OpenRequest("f");
    EXPECT_EQ(file->AddRequestHeaders("Accept: *\r\n"), TRUE);
    EXPECT_EQ(file->AddRequestHeaders("accept: text/plain\r\n", HTTP_ADDREQ_FLAG_ADD_IF_NEW),
              FALSE);
    EXPECT_EQ(file->AddRequestHeaders("X-One: 1\r\nX-Two: 2\r\n"), TRUE);
    EXPECT_EQ(file->AddRequestHeaders("X-Two: 22", HTTP_ADDREQ_FLAG_REPLACE), TRUE);
    EXPECT_EQ(file->AddRequestHeaders("X-Three: 3 and more", HTTP_ADDREQ_FLAG_ADD_IF_NEW, 10),
              TRUE);
    EXPECT_EQ(file->AddRequestHeaders("not a header"), FALSE);
    ASSERT_EQ(file->SendRequest(), TRUE);
    auto request = host.Requests().at(0);
    EXPECT_EQ(request.HeaderCount("Accept"), 1);
    EXPECT_EQ(request.Header("Accept"), "*");
    EXPECT_EQ(request.Header("X-One"), "1");
    EXPECT_EQ(request.Header("X-Two"), "22");
    EXPECT_EQ(request.Header("X-Three"), "3");
    EXPECT_EQ(request.Header("User-Agent"), "net test");
}

TEST_F(NetHttpFile, ClosedRequestRefusesWork) {
    host.Serve("/f", HttpReply::Ok(3));
    auto file = OpenRequest("f");
    file->Close();
    char buffer[4];
    EXPECT_EQ(InternetErrorOf([&] { file->Read(buffer, 4); }),
              ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    EXPECT_EQ(InternetErrorOf([&] { file->SendRequest(); }), ERROR_INTERNET_INCORRECT_HANDLE_STATE);
}

}  // namespace
