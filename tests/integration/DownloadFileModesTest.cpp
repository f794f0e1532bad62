// How the download routine treats the local file: replaced in one step by a
// complete download, created when it is missing, untouched when the server
// refuses or fails, and a clear FALSE when the path will not take it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/InternetException.h"
#include "support/TestHostBody.h"
#include "support/TestHostPorts.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::FsPath;
using testing_support::HttpReply;
using testing_support::UseDownloadHost;

const std::string kOldContents(100000, 'o');

using DownloadFileModes = DownloadFixture;

TEST_F(DownloadFileModes, ExistingLongerFileIsReplacedByTheNewBody) {
    dir.Write("package.exe", kOldContents);
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
}

TEST_F(DownloadFileModes, MissingFileIsCreated) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
}

TEST_F(DownloadFileModes, RefusedStatusLeavesTheFileAlone) {
    for (const char* status :
         {"HTTP/1.1 404 Not Found", "HTTP/1.1 403 Forbidden", "HTTP/1.1 500 Internal Server Error",
          "HTTP/1.1 300 Choose", "HTTP/1.1 302 Found", "HTTP/1.1 304 Not Modified",
          "HTTP/1.0 404 Gone", "HTTP/1.1 407 Proxy",
          // A part of the package, though no part was asked for.
          "HTTP/1.1 206 Partial Content"}) {
        host.Serve("/package.exe", HttpReply::Text(status, "an error page"));
        dir.Write("package.exe", kOldContents);
        SetProgress(7);
        DownloadOutcome outcome;
        EXPECT_EQ(DownloadFile("package.exe", LocalPath().c_str(), outcome), FALSE) << status;
        EXPECT_EQ(outcome.kind, DownloadOutcome::Kind::Refused) << status;
        EXPECT_EQ(outcome.code, std::stoul(std::string(status).substr(9, 3))) << status;
        EXPECT_EQ(dir.Read("package.exe"), kOldContents) << status;
        EXPECT_EQ(Download("package.exe", "absent.exe"), FALSE) << status;
        EXPECT_FALSE(dir.Exists("absent.exe")) << status;
        EXPECT_EQ(GetProgress(), 7) << status;
    }
}

TEST_F(DownloadFileModes, AnyOtherSuccessStatusIsAccepted) {
    for (const char* status : {"HTTP/1.1 200 OK", "HTTP/1.1 203 Copy", "HTTP/1.1 299 Fine"}) {
        HttpReply reply = HttpReply::Ok(300);
        reply.statusLine = status;
        host.Serve("/package.exe", reply);
        dir.Write("package.exe", kOldContents);
        EXPECT_EQ(Download("package.exe"), TRUE) << status;
        EXPECT_TRUE(FileHoldsPattern(LocalPath(), 300)) << status;
    }
}

TEST_F(DownloadFileModes, FailureBeforeTheBodyLeavesTheFileAlone) {
    for (const char* object : ServeFailuresBeforeTheBody()) {
        UseDownloadHost(host.HostAndPort(), {10000, 300});
        dir.Write("package.exe", kOldContents);
        EXPECT_THROW(Download(object), CInternetException) << object;
        EXPECT_EQ(dir.Read("package.exe"), kOldContents) << object;
    }
    UseDownloadHost("127.0.0.1:" + std::to_string(testing_support::UnusedLoopbackPort()));
    EXPECT_THROW(Download("package.exe"), CInternetException);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    EXPECT_THROW(Download("package.exe", "absent.exe"), CInternetException);
    EXPECT_FALSE(dir.Exists("absent.exe"));
}

TEST_F(DownloadFileModes, FolderAtThePathGivesFalse) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_TRUE(std::filesystem::create_directory(FsPath(LocalPath())));
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_TRUE(std::filesystem::is_directory(FsPath(LocalPath())));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
}

TEST_F(DownloadFileModes, MissingFolderGivesFalse) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    EXPECT_EQ(Download("package.exe", "no-such-folder/package.exe"), FALSE);
}

TEST_F(DownloadFileModes, BackslashPathsNameTheSameFile) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(DownloadFile("package.exe", testing_support::Backslashed(LocalPath()).c_str()), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
}

}  // namespace
