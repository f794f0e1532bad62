// Cancelling a download in the middle, through the progress window, and a
// download that the host breaks off by itself: either way the download page
// shows the cancelled text, keeps Download offered, and no partial package
// remains. A second Download starts again from the first byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "RouteWalk.h"
#include "support/TestHost.h"
#include "support/TestHostBody.h"
#include "support/TestHostWait.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::FileSize;
using testing_support::HttpReply;
using testing_support::TestHost;

constexpr std::uint64_t kPackageSize = 4 * 1024 * 1024;

struct CancelCase {
    const char* name;
    bool hostBreaksOff;  // the host resets the connection; else the user cancels
};

void PrintTo(const CancelCase& param, std::ostream* out) {
    *out << param.name;
}

class CancelledDownload : public testing::TestWithParam<CancelCase> {};

// A package that trickles in: 4 KiB every 50 ms, so a download takes about
// a minute unless something ends it.
HttpReply Trickle() {
    HttpReply reply = HttpReply::Ok(kPackageSize);
    reply.dripBytes = 4096;
    reply.dripIntervalMs = 50;
    return reply;
}

// The page after the progress window went: the cancelled text in place of
// what the message said before, the status as it was, Download offered.
void ExpectCancelledPage(e2e::WizardRun& run, const WindowImage& before, const std::string& shot) {
    WindowImage after = run.WaitForImage(
        [&](const WindowImage& image) {
            e2e::layout::Rect message = DownloadMessage();
            return IsDownloadPage(image) && DownloadButtonEnabled(image) &&
                   image.CountDifferences(before, message.x, message.y, message.w, message.h) > 0;
        },
        kStepWait);
    run.Shot(shot);
    ASSERT_FALSE(after.Empty()) << "the download page does not show the cancelled text";
    e2e::layout::Rect message = DownloadMessage();
    e2e::layout::Rect status = DownloadStatus();
    EXPECT_GT(after.CountDark(message.x, message.y, message.w, message.h), 50);
    EXPECT_EQ(after.CountDifferences(before, status.x, status.y, status.w, status.h), 0);
    EXPECT_FALSE(std::filesystem::exists(run.Folder().File(kPackageName)))
        << "a partial package was left behind";
}

TEST_P(CancelledDownload, ShowsTheCancelledTextAndLeavesNoPartialFile) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    HttpReply first = Trickle();
    if (GetParam().hostBreaksOff) first.resetAt = 300000;
    host.Serve("/vessamo-nten.exe", std::vector<HttpReply>{first, Trickle()});

    Traces traces;
    e2e::WizardRun run(std::string("cancel-") + GetParam().name, OptionsWith(traces));
    WindowImage downloadPage;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadPage(run, downloadPage));
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));
    ASSERT_NO_FATAL_FAILURE(PhotographProgress(run, dialog, "4-progress"));

    std::string package = run.Folder().File(kPackageName);
    if (GetParam().hostBreaksOff) {
        // The worker gives up; the window stays short of its end, with
        // only Cancel to press, and
        // its file stops growing for good (two seconds without a byte).
        std::int64_t last = -1;
        auto since = std::chrono::steady_clock::now();
        ASSERT_TRUE(testing_support::WaitUntil(
            [&] {
                std::int64_t now = FileSize(package);
                if (now != last) {
                    last = now;
                    since = std::chrono::steady_clock::now();
                }
                return now > 0 &&
                       std::chrono::steady_clock::now() - since > std::chrono::seconds(2);
            },
            kDownloadWait, e2e::kLookInterval))
            << "the partial package did not stop growing";
        EXPECT_LE(last, 300000) << "bytes past the reset";
        WindowImage stuck = run.WaitForImage(dialog, [](const WindowImage&) { return true; });
        run.Screen().ScreenshotWindow(dialog, "5-progress-broken-off");
        EXPECT_TRUE(ProgressCancelEnabled(stuck));
        EXPECT_FALSE(ProgressOkEnabled(stuck));
        EXPECT_FALSE(ProgressAtEnd(stuck));
    } else {
        EXPECT_GT(FileSize(package), 0) << "no partial package while the bar moved";
    }
    run.Screen().Keys(dialog, {"alt+c"});
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
        << "Cancel did not close the progress window";
    ASSERT_NO_FATAL_FAILURE(ExpectCancelledPage(run, downloadPage, "6-cancelled"));

    // Download again: a fresh request from the first byte; Escape cancels.
    ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));
    ASSERT_TRUE(testing_support::WaitUntil([&] { return FileSize(package) > 0; }, kDownloadWait,
                                           e2e::kLookInterval));
    run.Screen().Keys(dialog, {"Escape"});
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
        << "Escape did not close the progress window";
    ASSERT_NO_FATAL_FAILURE(ExpectCancelledPage(run, downloadPage, "7-cancelled-again"));
    std::vector<testing_support::RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 3u);
    for (std::size_t i = 1; i < requests.size(); ++i) {
        EXPECT_EQ(requests[i].target, "/vessamo-nten.exe");
        EXPECT_EQ(requests[i].HeaderCount("Range"), 0);
    }

    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0);
    EXPECT_TRUE(traces.SetupLines().empty()) << "nothing may be started after a cancel";
}

INSTANTIATE_TEST_SUITE_P(Cases, CancelledDownload,
                         testing::Values(CancelCase{"UserCancels", false},
                                         CancelCase{"HostBreaksOff", true}),
                         [](const testing::TestParamInfo<CancelCase>& param) {
                             return param.param.name;
                         });

}  // namespace
