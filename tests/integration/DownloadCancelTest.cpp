// The cancel flag at each point where the download routine looks at it:
// on entry, after the answer has come, before each read, and while a read
// waits on a silent server. A cancelled download leaves no file behind.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/InternetException.h"
#include "support/TestHostBody.h"
#include "support/TestHostWait.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::FileSize;
using testing_support::HttpReply;
using testing_support::IsPartialFileName;
using testing_support::PartialFileIn;
using testing_support::UseDownloadHost;
using testing_support::WaitUntil;

const std::string kOldContents(1000, 'o');

class DownloadCancel : public DownloadFixture {
  protected:
    // Sets the cancel flag from another thread once `ready` holds.
    template <typename Condition>
    void CancelWhen(Condition ready) {
        m_canceller = std::thread([this, ready] {
            m_cancelledInTime = WaitUntil(ready);
            SetCancelled(TRUE);
        });
    }

    void TearDown() override {
        if (m_canceller.joinable()) m_canceller.join();
        EXPECT_TRUE(m_cancelledInTime);
        DownloadFixture::TearDown();
    }

    // Long enough that only a cancel, never the time-out, ends a stalled read.
    static constexpr DownloadTimeouts kPatientTimeouts{10000, 120000};

  private:
    std::thread m_canceller;
    bool m_cancelledInTime = true;
};

TEST_F(DownloadCancel, OnEntryNothingIsSent) {
    host.Serve("/package.exe", HttpReply::Ok(100));
    dir.Write("package.exe", kOldContents);
    SetCancelled(TRUE);
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(Download("package.exe", "absent.exe"), FALSE);
    EXPECT_EQ(host.ConnectionCount(), 0);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    EXPECT_FALSE(dir.Exists("absent.exe"));
}

TEST_F(DownloadCancel, WhileTheServerAnswersTheFileIsLeftAlone) {
    // The flag is set on the host's side, before the answer goes out, so
    // the routine meets it after the status at the latest.
    for (bool silentHead : {false, true}) {
        HttpReply reply = HttpReply::Ok(100);
        reply.onRequest = [] { SetCancelled(TRUE); };
        if (silentHead) reply.headerDelayMs = 600000;
        host.Serve("/package.exe", reply);
        UseDownloadHost(host.HostAndPort(), kPatientTimeouts);
        dir.Write("package.exe", kOldContents);
        SetCancelled(FALSE);
        EXPECT_EQ(Download("package.exe"), FALSE) << silentHead;
        EXPECT_EQ(dir.Read("package.exe"), kOldContents) << silentHead;
        SetCancelled(FALSE);
        EXPECT_EQ(Download("package.exe", "absent.exe"), FALSE) << silentHead;
        EXPECT_FALSE(dir.Exists("absent.exe")) << silentHead;
    }
}

// While the body arrives only a file of the routine's own grows; what
// already had the package's name stays as it was throughout. A process
// killed at that moment would leave nothing under the package's name.
TEST_F(DownloadCancel, WhileAReadWaitsOnASilentServer) {
    HttpReply reply = HttpReply::Ok(200000);
    reply.stallAt = 70000;
    host.Serve("/package.exe", reply);
    UseDownloadHost(host.HostAndPort(), kPatientTimeouts);
    dir.Write("package.exe", kOldContents);
    std::vector<std::string> namesMeanwhile;
    std::string oldMeanwhile;
    CancelWhen([&] {
        if (FileSize(PartialFileIn(dir)) != 70000) return false;
        namesMeanwhile = dir.Names();
        oldMeanwhile = dir.Read("package.exe");
        return true;
    });
    EXPECT_EQ(Download("package.exe"), FALSE);
    ASSERT_EQ(namesMeanwhile.size(), 2u);
    EXPECT_EQ(namesMeanwhile[1], "package.exe");
    EXPECT_TRUE(IsPartialFileName(namesMeanwhile[0])) << namesMeanwhile[0];
    EXPECT_EQ(oldMeanwhile, kOldContents);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    EXPECT_EQ(GetProgress(), 35);
}

TEST_F(DownloadCancel, WhileTheBodyDripsTheNextReadIsNotMade) {
    HttpReply reply = HttpReply::Ok(2000000);
    reply.dripBytes = 1000;
    reply.dripIntervalMs = 2;
    host.Serve("/package.exe", reply);
    UseDownloadHost(host.HostAndPort(), kPatientTimeouts);
    CancelWhen([this] { return FileSize(PartialFileIn(dir)) >= 5000; });
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_LT(GetProgress(), 100);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
}

TEST_F(DownloadCancel, WhileTheLastChunkIsAwaitedTheDownloadFails) {
    // Every byte is in, but the chunked body has not ended: not yet a success.
    HttpReply reply = HttpReply::Ok(3000);
    reply.framing = HttpReply::Framing::Chunked;
    reply.stallAt = 3000;
    host.Serve("/package.exe", reply);
    UseDownloadHost(host.HostAndPort(), kPatientTimeouts);
    CancelWhen([this] { return FileSize(PartialFileIn(dir)) == 3000; });
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
    EXPECT_EQ(GetProgress(), 0);
}

TEST_F(DownloadCancel, TheEndOfAnExactBodyIsNotAwaited) {
    // The host keeps the connection open after an exact-length body: the
    // routine must end at once instead of waiting for the connection.
    host.Serve("/package.exe", HttpReply::Ok(3000));
    UseDownloadHost(host.HostAndPort(), kPatientTimeouts);
    EXPECT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 3000));
}

}  // namespace
