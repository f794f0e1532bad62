// What the download routine does with the local file where POSIX has more
// to say: the modes a new file gets, descriptors that must not stay open,
// permissions, names with backslashes, pipes, the file-size limit and links:
// never written through a link, and a clear FALSE, with the reason recorded,
// when the folder or the disk will not take it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "package/Paths.h"
#include "platform/net/InternetException.h"
#include "platform/os/ModulePath.h"
#include "support/TestHostBody.h"
#include "support/TestHostPorts.h"
#include "support/WithoutFileOverride.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::HttpReply;
using testing_support::OpenDescriptorsOf;
using testing_support::PatternBytes;
using testing_support::UseDownloadHost;

const std::string kOldContents(100000, 'o');

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

using DownloadFileModes = DownloadFixture;

TEST_F(DownloadFileModes, TheNewFileGetsTheUsualModes) {
    dir.Write("package.exe", kOldContents);
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    mode_t mask = umask(022);
    umask(mask);
    EXPECT_EQ(ModeOf(LocalPath()), 0666 & ~mask);
}

TEST_F(DownloadFileModes, NoDescriptorStaysOpenAfterASuccessOrAFailure) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_EQ(OpenDescriptorsOf(LocalPath()), 0);

    for (const char* object : ServeFailuresBeforeTheBody()) {
        UseDownloadHost(host.HostAndPort(), {10000, 300});
        EXPECT_THROW(Download(object), CInternetException) << object;
        EXPECT_EQ(OpenDescriptorsOf(LocalPath()), 0) << object;
    }
}

TEST_F(DownloadFileModes, ReadOnlyFolderGivesFalse) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    testing_support::WithoutFileOverride asUser;
    DownloadOutcome outcome;
    EXPECT_EQ(DownloadFile("package.exe", LocalPath().c_str(), outcome), FALSE);
    EXPECT_EQ(outcome.kind, DownloadOutcome::Kind::LocalFileFailed);
    EXPECT_EQ(outcome.code, static_cast<DWORD>(EACCES));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
}

TEST_F(DownloadFileModes, ReadOnlyExistingFileGivesFalseAndStaysAsItWas) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    dir.Write("package.exe", kOldContents);
    ASSERT_EQ(chmod(LocalPath().c_str(), 0444), 0);
    testing_support::WithoutFileOverride asUser;
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
}

// The package lands in the executable's folder even when a backslash in
// its name makes the wizard's path string read like a look-alike folder.
TEST_F(DownloadFileModes, ExecutablesFolderWithABackslashGetsThePackage) {
    for (const char* folder : {"back\\slash", "back", "back/slash"}) {
        ASSERT_EQ(mkdir(dir.File(folder).c_str(), 0755), 0) << folder;
    }
    host.Serve("/package.exe", HttpReply::Ok(5000));
    testing_support::PlaceExecutable(dir.File("back\\slash/vessamo-installer"));
    BOOL result = DownloadFile("package.exe", PathJoin(GetModuleDirectory(), "package.exe"));
    testing_support::PlaceExecutable("");
    EXPECT_EQ(result, TRUE);
    EXPECT_TRUE(FileHoldsPattern(dir.File("back\\slash/package.exe"), 5000));
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("back/slash")));
}

// A pipe, a socket or a device under the package's name is not ours to replace.
TEST_F(DownloadFileModes, PipeAtThePathIsLeftInPlace) {
    host.Serve("/package.exe", HttpReply::Ok(5000));
    ASSERT_EQ(mkfifo(LocalPath().c_str(), 0644), 0);
    EXPECT_EQ(Download("package.exe"), FALSE);
    struct stat info {};
    ASSERT_EQ(lstat(LocalPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
}

// A write beyond the file-size limit raises SIGXFSZ, which would end the
// process. The routine must fail the download instead, remove its partial
// file and leave the old one alone. Run in a child process so that the
// limit and a fault that kills cannot touch the test program.
TEST_F(DownloadFileModes, FileSizeLimitFailsTheDownloadAndTheProcessRuns) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    constexpr rlim_t kLimit = 200000;
    dir.Write("package.exe", kOldContents);
    EXPECT_EXIT(
        {
            signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = kLimit;
            setrlimit(RLIMIT_FSIZE, &limit);
            int verdict = 0;
            {
                // A host of the child's own, whose threads end with it.
                testing_support::TestHost childHost;
                childHost.Serve("/package.exe", HttpReply::Ok(300000));
                UseDownloadHost(childHost.HostAndPort());
                DownloadOutcome outcome;
                BOOL result = DownloadFile("package.exe", LocalPath().c_str(), outcome);
                verdict = result != FALSE                                          ? 1
                          : outcome.kind != DownloadOutcome::Kind::LocalFileFailed ? 2
                          : outcome.code != static_cast<DWORD>(EFBIG)              ? 3
                          : dir.Names() != std::vector<std::string>{"package.exe"} ? 4
                          : dir.Read("package.exe") != kOldContents                ? 5
                                                                                   : 0;
            }
            std::filesystem::remove_all(dir.Path());
            _exit(verdict);
        },
        ::testing::ExitedWithCode(0), "");
}

// The file behind a link named like the package, inside the folder or out
// of it, is never written, truncated or made anything else: only the link
// itself is replaced by the finished download.
struct LinkCase {
    const char* name;
    bool plantedDuringTheRequest;
    bool dangling;
};

class DownloadOverALink : public DownloadFixture, public ::testing::WithParamInterface<LinkCase> {
  protected:
    void SetUp() override {
        DownloadFixture::SetUp();
        outside.Write("victim", kOldContents);
        ASSERT_EQ(chmod(outside.File("victim").c_str(), 0640), 0);
    }
    std::string LinkTarget() const {
        return outside.File(GetParam().dangling ? "nothing-here" : "victim");
    }
    void PlantLink() const { ASSERT_EQ(symlink(LinkTarget().c_str(), LocalPath().c_str()), 0); }
    void ExpectVictimUntouched() const {
        EXPECT_EQ(outside.Read("victim"), kOldContents);
        EXPECT_EQ(ModeOf(outside.File("victim")), 0640u);
        EXPECT_EQ(outside.Names(), std::vector<std::string>{"victim"});
    }

    testing_support::TempDir outside;
};

TEST_P(DownloadOverALink, CompleteDownloadReplacesTheLinkItself) {
    HttpReply reply = HttpReply::Ok(5000);
    if (GetParam().plantedDuringTheRequest) {
        reply.onRequest = [this] { PlantLink(); };
    } else {
        PlantLink();
    }
    host.Serve("/package.exe", reply);
    ASSERT_EQ(Download("package.exe"), TRUE);
    struct stat info {};
    ASSERT_EQ(lstat(LocalPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
    ExpectVictimUntouched();
}

TEST_P(DownloadOverALink, FailedOrCancelledDownloadLeavesLinkAndFileAlone) {
    PlantLink();
    HttpReply broken = HttpReply::Ok(100000);
    broken.resetAt = 30000;
    HttpReply cancelled = HttpReply::Ok(100000);
    cancelled.onRequest = [] { SetCancelled(TRUE); };
    for (const HttpReply& reply :
         {HttpReply::Text("HTTP/1.1 404 Not Found", "no"), broken, cancelled}) {
        host.Serve("/package.exe", reply);
        SetCancelled(FALSE);
        try {
            EXPECT_EQ(Download("package.exe"), FALSE);
        } catch (const CInternetException&) {
        }
        char target[4096] = {};
        ASSERT_GT(readlink(LocalPath().c_str(), target, sizeof target - 1), 0);
        EXPECT_EQ(std::string(target), LinkTarget());
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
        ExpectVictimUntouched();
    }
}

INSTANTIATE_TEST_SUITE_P(Links, DownloadOverALink,
                         ::testing::Values(LinkCase{"PresentAtStart", false, false},
                                           LinkCase{"PlantedDuringTheRequest", true, false},
                                           LinkCase{"DanglingAtStart", false, true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

}  // namespace
