// The percentage the download routine reports while the body arrives. The
// host stalls the body at a chosen byte, so the percentage at that point can
// be read without any race.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "support/TestHostBody.h"
#include "support/TestHostWait.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::FileSize;
using testing_support::HttpReply;
using testing_support::PartialFileIn;
using testing_support::WaitUntil;

class DownloadProgress : public DownloadFixture {
  protected:
    // Runs the download on another thread; `atStall` sees the state while the
    // host holds the body after `stallAt` bytes, then the host goes on
    // (or the download is cancelled when `cancel` is set).
    template <typename Check>
    BOOL DownloadThroughStall(HttpReply reply, std::uint64_t stallAt, Check atStall,
                              bool cancel = false) {
        reply.stallAt = stallAt;
        host.Serve("/package.exe", reply);
        BOOL result = -1;
        std::thread worker([&] { result = Download("package.exe"); });
        // The percentage follows the write of the last read.
        bool stalled = WaitUntil([&] {
            return FileSize(PartialFileIn(dir)) == static_cast<std::int64_t>(stallAt) &&
                   GetProgress() != -1;
        });
        EXPECT_TRUE(stalled);
        atStall();
        if (cancel) {
            SetCancelled(TRUE);
        } else {
            host.ReleaseStall();
        }
        worker.join();
        return result;
    }

    void SetUp() override {
        DownloadFixture::SetUp();
        SetProgress(-1);
    }
};

TEST_F(DownloadProgress, KnownLengthGivesTheRoundedDownShare) {
    struct Case {
        std::uint64_t size, stallAt;
        int percent;
    };
    for (Case c : {Case{200000, 50000, 25}, Case{200000, 1999, 0}, Case{200000, 199999, 99},
                   Case{3, 1, 33}}) {
        SetProgress(-1);
        BOOL result = DownloadThroughStall(HttpReply::Ok(c.size), c.stallAt,
                                           [&] { EXPECT_EQ(GetProgress(), c.percent); });
        EXPECT_EQ(result, TRUE);
        EXPECT_EQ(GetProgress(), 100);
        EXPECT_TRUE(FileHoldsPattern(LocalPath(), c.size));
    }
}

TEST_F(DownloadProgress, NoLengthStaysAtZeroUntilTheBodyEnds) {
    for (auto framing : {HttpReply::Framing::Close, HttpReply::Framing::Chunked}) {
        HttpReply reply = HttpReply::Ok(200000);
        reply.framing = framing;
        SetProgress(-1);
        BOOL result = DownloadThroughStall(reply, 150000, [] { EXPECT_EQ(GetProgress(), 0); });
        EXPECT_EQ(result, TRUE);
        EXPECT_EQ(GetProgress(), 100);
        EXPECT_TRUE(FileHoldsPattern(LocalPath(), 200000));
    }
}

TEST_F(DownloadProgress, LengthsBeyond4GiBStayExact) {
    // 50,000,000 of 5,000,000,000 bytes is exactly 1 percent; a length cut to
    // 32 bits would give 7, a product cut to 32 bits 0.
    HttpReply reply = HttpReply::Ok(5000000000ull);
    BOOL result = DownloadThroughStall(
        reply, 50000000, [] { EXPECT_EQ(GetProgress(), 1); }, true);
    EXPECT_EQ(result, FALSE);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
}

TEST_F(DownloadProgress, EmptyBodyIsComplete) {
    host.Serve("/package.exe", HttpReply::Ok(0));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_EQ(GetProgress(), 100);
    EXPECT_EQ(FileSize(LocalPath()), 0);
}

TEST_F(DownloadProgress, BytesBeyondTheAnnouncedLengthAreNotPartOfTheBody) {
    HttpReply reply = HttpReply::Ok(5000);
    reply.announcedLength = 1000;
    host.Serve("/package.exe", reply);
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_EQ(GetProgress(), 100);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 1000));
}

TEST_F(DownloadProgress, ChunkedBodyIgnoresALengthHeader) {
    // A chunked body ends with its last chunk; a Content-Length beside it
    // means nothing, whichever way it lies.
    for (std::uint64_t announced : {1000ull, 9000ull}) {
        HttpReply reply = HttpReply::Ok(5000);
        reply.framing = HttpReply::Framing::Chunked;
        reply.announcedLength = announced;
        SetProgress(-1);
        BOOL result = DownloadThroughStall(reply, 2000, [] { EXPECT_EQ(GetProgress(), 0); });
        EXPECT_EQ(result, TRUE);
        EXPECT_EQ(GetProgress(), 100);
        EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    }
}

}  // namespace
