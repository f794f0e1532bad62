// How the download routine treats the local file: truncated when it exists,
// created when it does not, untouched when the server refuses or fails
// before the body, and a clear FALSE when it cannot be opened or written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>

#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/InternetException.h"
#include "support/TestHostBody.h"
#include "support/TestHostPorts.h"
#include "support/WithoutFileOverride.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::FileSize;
using testing_support::HttpReply;
using testing_support::OpenDescriptorsOf;
using testing_support::PatternBytes;
using testing_support::UseDownloadHost;

const std::string kOldContents(100000, 'o');

using DownloadFileModes = DownloadFixture;

TEST_F(DownloadFileModes, ExistingLongerFileIsTruncatedToTheNewBody) {
    dir.Write("package.exe", kOldContents);
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
}

TEST_F(DownloadFileModes, MissingFileIsCreated) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    EXPECT_EQ(OpenDescriptorsOf(LocalPath()), 0);
}

TEST_F(DownloadFileModes, RefusedStatusLeavesTheFileAlone) {
    for (const char* status :
         {"HTTP/1.1 404 Not Found", "HTTP/1.1 403 Forbidden", "HTTP/1.1 500 Internal Server Error",
          "HTTP/1.1 300 Choose", "HTTP/1.1 302 Found", "HTTP/1.1 304 Not Modified",
          "HTTP/1.0 404 Gone", "HTTP/1.1 407 Proxy"}) {
        host.Serve("/package.exe", HttpReply::Text(status, "an error page"));
        dir.Write("package.exe", kOldContents);
        SetProgress(7);
        EXPECT_EQ(Download("package.exe"), FALSE) << status;
        EXPECT_EQ(dir.Read("package.exe"), kOldContents) << status;
        EXPECT_EQ(Download("package.exe", "absent.exe"), FALSE) << status;
        EXPECT_FALSE(dir.Exists("absent.exe")) << status;
        EXPECT_EQ(GetProgress(), 7) << status;
    }
}

TEST_F(DownloadFileModes, AnySuccessStatusIsAccepted) {
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
    HttpReply hangUp;
    hangUp.hangUp = true;
    host.Serve("/hangup", hangUp);
    HttpReply garbage;
    garbage.statusLine = "NOT HTTP AT ALL";
    host.Serve("/garbage", garbage);
    HttpReply silentHead = HttpReply::Ok(10);
    silentHead.headerDelayMs = 600000;
    host.Serve("/silent", silentHead);

    for (const char* object : {"hangup", "garbage", "silent"}) {
        UseDownloadHost(host.HostAndPort(), {10000, 300});
        dir.Write("package.exe", kOldContents);
        EXPECT_THROW(Download(object), CInternetException) << object;
        EXPECT_EQ(dir.Read("package.exe"), kOldContents) << object;
        EXPECT_EQ(OpenDescriptorsOf(LocalPath()), 0) << object;
    }
    UseDownloadHost("127.0.0.1:" + std::to_string(testing_support::UnusedLoopbackPort()));
    EXPECT_THROW(Download("package.exe"), CInternetException);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    EXPECT_THROW(Download("package.exe", "absent.exe"), CInternetException);
    EXPECT_FALSE(dir.Exists("absent.exe"));
}

TEST_F(DownloadFileModes, ReadOnlyFolderGivesFalse) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    testing_support::WithoutFileOverride asUser;
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_FALSE(dir.Exists("package.exe"));
}

TEST_F(DownloadFileModes, ReadOnlyExistingFileGivesFalseAndStaysAsItWas) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    dir.Write("package.exe", kOldContents);
    ASSERT_EQ(chmod(LocalPath().c_str(), 0444), 0);
    testing_support::WithoutFileOverride asUser;
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
}

TEST_F(DownloadFileModes, FolderAtThePathGivesFalse) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(mkdir(LocalPath().c_str(), 0755), 0);
    EXPECT_EQ(Download("package.exe"), FALSE);
    struct stat info {};
    ASSERT_EQ(stat(LocalPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
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

// A device that accepts opening for writing but refuses every byte.
TEST_F(DownloadFileModes, FailedWriteGivesFalse) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    EXPECT_EQ(DownloadFile("package.exe", "/dev/full"), FALSE);
    EXPECT_NE(GetProgress(), 100);
}

// A file-size limit makes one write come up short and the next one fail.
TEST_F(DownloadFileModes, ShortWriteGivesFalseWithThePartialFileClosed) {
    constexpr rlim_t kLimit = 100000;
    host.Serve("/package.exe", HttpReply::Ok(300000));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    sighandler_t savedHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limited{kLimit, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    BOOL result = Download("package.exe");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(result, FALSE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), kLimit));
    EXPECT_EQ(OpenDescriptorsOf(LocalPath()), 0);
    EXPECT_NE(GetProgress(), 100);
}

}  // namespace
