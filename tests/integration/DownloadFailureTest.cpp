// Transport failures and redirects: what the download routine throws, how
// long it may wait, where it lets itself be sent, and that it leaves nothing
// on disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/InternetException.h"
#include "support/InternetErrorOf.h"
#include "support/TestHostBody.h"
#include "support/TestHostPorts.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::HttpReply;
using testing_support::TestHost;
using testing_support::UseDownloadHost;

const std::string kOldContents(1000, 'o');

class DownloadFailure : public DownloadFixture {
  protected:
    // The error code of the CInternetException the download throws, 0 when none.
    // The outcome the routine records names the same error.
    DWORD FailureOf(const std::string& object, const std::string& name = "package.exe") {
        DownloadOutcome outcome;
        DWORD error = testing_support::InternetErrorOf(
            [&] { DownloadFile(object.c_str(), LocalPath(name).c_str(), outcome); });
        if (error != 0) {
            EXPECT_EQ(outcome.kind, DownloadOutcome::Kind::TransportFailed);
            EXPECT_EQ(outcome.code, error);
        }
        return error;
    }
};

TEST_F(DownloadFailure, RefusedConnectionThrows) {
    UseDownloadHost("127.0.0.1:" + std::to_string(testing_support::UnusedLoopbackPort()));
    EXPECT_EQ(FailureOf("package.exe"), ERROR_INTERNET_CANNOT_CONNECT);
    EXPECT_FALSE(dir.Exists("package.exe"));
}

TEST_F(DownloadFailure, ConnectionThatIsNeverMadeTimesOut) {
    testing_support::UnansweringPort port;
    UseDownloadHost("127.0.0.1:" + std::to_string(port.Port()), {300, 600000});
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(FailureOf("package.exe"), ERROR_INTERNET_TIMEOUT);
    // Not a speed test: it only shows that the short connect time-out, not
    // the silence time-out of ten minutes, ended the wait.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    EXPECT_FALSE(dir.Exists("package.exe"));
}

TEST_F(DownloadFailure, AnswerThatIsNotHttpThrows) {
    HttpReply garbage;
    garbage.statusLine = "SPEAK FRIEND AND ENTER";
    host.Serve("/package.exe", garbage);
    EXPECT_EQ(FailureOf("package.exe"), ERROR_HTTP_INVALID_SERVER_RESPONSE);
    HttpReply hangUp;
    hangUp.hangUp = true;
    host.Serve("/package.exe", hangUp);
    EXPECT_EQ(FailureOf("package.exe"), ERROR_HTTP_INVALID_SERVER_RESPONSE);
    EXPECT_FALSE(dir.Exists("package.exe"));
}

TEST_F(DownloadFailure, SilentServerTimesOutAndLeavesNoFile) {
    HttpReply reply = HttpReply::Ok(100000);
    reply.stallAt = 1000;
    host.Serve("/package.exe", reply);
    UseDownloadHost(host.HostAndPort(), {10000, 300});
    EXPECT_EQ(FailureOf("package.exe"), ERROR_INTERNET_TIMEOUT);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
    EXPECT_EQ(GetProgress(), 1);
}

TEST_F(DownloadFailure, BodyShorterThanAnnouncedIsAFailure) {
    HttpReply reply = HttpReply::Ok(40000);
    reply.announcedLength = 100000;
    host.Serve("/package.exe", reply);
    dir.Write("package.exe", kOldContents);
    EXPECT_EQ(FailureOf("package.exe"), ERROR_INTERNET_CONNECTION_ABORTED);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    EXPECT_EQ(GetProgress(), 40);
}

TEST_F(DownloadFailure, ChunkedBodyCutOffIsAFailure) {
    struct Cut {
        const char* where;
        std::uint64_t at;  // body bytes sent before the host closes
    };
    // 40000 bytes in chunks of 8192: within the fourth chunk, and after it
    // ended, before the last one.
    for (Cut cut : {Cut{"mid-chunk", 30000}, Cut{"between chunks", 32768}}) {
        for (bool closing : {false, true}) {
            SCOPED_TRACE(std::string(cut.where) + (closing ? ", closing" : ", kept"));
            HttpReply reply = HttpReply::Ok(40000);
            reply.framing = HttpReply::Framing::Chunked;
            reply.closeAt = cut.at;
            if (closing) reply.headers = {"Connection: close"};
            host.Serve("/package.exe", reply);
            EXPECT_NE(FailureOf("package.exe"), 0u);
            EXPECT_EQ(dir.Names(), std::vector<std::string>{});
            EXPECT_NE(GetProgress(), 100);
        }
    }
}

TEST_F(DownloadFailure, WholeChunkedBodyOnAConnectionThatClosesArrivesOrIsRefused) {
    HttpReply reply = HttpReply::Ok(40000);
    reply.framing = HttpReply::Framing::Chunked;
    reply.headers = {"Connection: close"};
    host.Serve("/package.exe", reply);
#ifdef _WIN32
    // WinINet cannot tell this body from one cut off before its last chunk:
    // it is refused before a byte is stored.
    EXPECT_EQ(FailureOf("package.exe"), ERROR_HTTP_INVALID_SERVER_RESPONSE);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
#else
    // The connection ends with the body, as the head says it will: that is
    // no sign of a body that broke off.
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 40000));
#endif
}

TEST_F(DownloadFailure, ResetDuringTheBodyThrowsAndLeavesNoFile) {
    HttpReply reply = HttpReply::Ok(100000);
    reply.resetAt = 30000;
    host.Serve("/package.exe", reply);
    // WinINet reports a reset that follows the data closely as an aborted connection.
    EXPECT_THAT(FailureOf("package.exe"),
                testing::AnyOf(ERROR_INTERNET_CONNECTION_RESET, ERROR_INTERNET_CONNECTION_ABORTED));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
}

TEST_F(DownloadFailure, SlowHeadAndDrippingBodyStillArrive) {
    HttpReply reply = HttpReply::Ok(60000);
    reply.headerDelayMs = 30;
    reply.dripBytes = 3000;
    reply.dripIntervalMs = 10;
    host.Serve("/package.exe", reply);
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 60000));
    EXPECT_EQ(GetProgress(), 100);
}

TEST_F(DownloadFailure, RedirectChainsAcrossPortsAreFollowed) {
    TestHost second;
    TestHost third;
    host.Serve("/package.exe", HttpReply::Redirect(302, second.Url("/a")));
    second.Serve("/a", HttpReply::Redirect(307, "/b"));
    second.Serve("/b", HttpReply::Redirect(301, third.Url("/c.exe")));
    third.Serve("/c.exe", HttpReply::Ok(9000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 9000));
    EXPECT_EQ(host.RequestCount(), 1u);
    EXPECT_EQ(second.RequestCount(), 2u);
    ASSERT_EQ(third.RequestCount(), 1u);
    EXPECT_EQ(third.Requests()[0].Header("User-Agent"), "Korvane Vessamo Download");
    EXPECT_EQ(third.Requests()[0].Header("Accept"), "*");
}

TEST_F(DownloadFailure, RedirectToAnotherSchemeIsRefused) {
    TestHost target;
    std::string port = std::to_string(target.Port());
    for (std::string location :
         {"ftp://127.0.0.1:" + port + "/package.exe", std::string("file:///etc/hostname"),
          "gopher://127.0.0.1:" + port + "/1", "dict://127.0.0.1:" + port + "/d",
          "telnet://127.0.0.1:" + port}) {
        host.Serve("/package.exe", HttpReply::Redirect(302, location));
        dir.Write("package.exe", kOldContents);
        EXPECT_EQ(FailureOf("package.exe"), ERROR_HTTP_REDIRECT_FAILED) << location;
        EXPECT_EQ(dir.Read("package.exe"), kOldContents) << location;
        EXPECT_EQ(FailureOf("package.exe", "absent.exe"), ERROR_HTTP_REDIRECT_FAILED) << location;
        EXPECT_FALSE(dir.Exists("absent.exe")) << location;
    }
    EXPECT_EQ(target.ConnectionCount(), 0);
}

TEST_F(DownloadFailure, RedirectToHttpsIsFollowed) {
    // The target speaks no TLS, so the download fails; but it was tried.
    TestHost target;
    host.Serve(
        "/package.exe",
        HttpReply::Redirect(302, "https://127.0.0.1:" + std::to_string(target.Port()) + "/p"));
    EXPECT_EQ(FailureOf("package.exe"), ERROR_INTERNET_SECURITY_CHANNEL_ERROR);
    // WinINet tries a failed handshake once more, with older protocol versions.
    auto openings = target.RawOpenings();
    ASSERT_THAT(openings.size(), testing::AllOf(testing::Ge(1u), testing::Le(2u)));
    for (const std::string& opening : openings) {
        ASSERT_FALSE(opening.empty());
        EXPECT_EQ(opening[0], '\x16');  // a TLS handshake record
    }
}

TEST_F(DownloadFailure, EndlessRedirectsFail) {
    host.Serve("/package.exe", HttpReply::Redirect(302, "/package.exe"));
    EXPECT_EQ(FailureOf("package.exe"), ERROR_HTTP_REDIRECT_FAILED);
    EXPECT_FALSE(dir.Exists("package.exe"));
    EXPECT_LE(host.RequestCount(), 30u);
}

}  // namespace
