// Cancelling a download in the middle, through the progress window, and
// downloads that fail by themselves (the host breaks off, then refuses with
// 404). A cancel shows the cancelled text; a failure closes the progress
// window by itself and names its cause, each cause in its own words. Either
// way Download stays offered and no package or partial file remains. Each
// Download starts again from the first byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "RouteWalk.h"
#include "support/TestHost.h"
#include "support/TestHostBody.h"
#include "support/TestHostWait.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::HttpReply;
using testing_support::TestHost;

constexpr std::uint64_t kPackageSize = 4 * 1024 * 1024;

struct CancelCase {
    const char* name;
    bool hostFails;  // the host breaks off, then refuses; else the user cancels
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

// The page after the progress window went: a new text in place of what
// the message said before, the status as it was, Download offered, and
// neither the package nor a partial file in the folder.
WindowImage ExpectPageAfter(e2e::WizardRun& run, const WindowImage& before,
                            const std::string& shot) {
    e2e::layout::Rect message = DownloadMessage();
    WindowImage after = run.WaitForImage(
        [&](const WindowImage& image) {
            return IsDownloadPage(image) && DownloadButtonEnabled(image) &&
                   image.CountDifferences(before, message.x, message.y, message.w, message.h) > 0;
        },
        kStepWait);
    run.Shot(shot);
    EXPECT_FALSE(after.Empty()) << "the download page does not show a new message";
    if (after.Empty()) return after;
    e2e::layout::Rect status = DownloadStatus();
    EXPECT_GT(after.CountDark(message.x, message.y, message.w, message.h), 50);
    EXPECT_EQ(after.CountDifferences(before, status.x, status.y, status.w, status.h), 0);
    EXPECT_FALSE(std::filesystem::exists(run.Folder().File(kPackageName)))
        << "a package was left behind";
    EXPECT_EQ(PartialDownloadSize(run.Folder()), -1) << "a partial download was left behind";
    return after;
}

// The progress window closes without a key pressed.
void ExpectProgressWindowClosesByItself(e2e::WizardRun& run) {
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
        << "the progress window stayed open after the download failed";
}

TEST_P(CancelledDownload, SaysWhatHappenedAndLeavesNoPartialFile) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    HttpReply first = Trickle();
    if (GetParam().hostFails) first.resetAt = 600000;
    HttpReply second = GetParam().hostFails
                           ? HttpReply::Text("HTTP/1.1 404 Not Found", "<html>Gone</html>")
                           : Trickle();
    host.Serve("/vessamo-nten.exe", std::vector<HttpReply>{first, second});

    Traces traces;
    e2e::WizardRun run(std::string("cancel-") + GetParam().name, OptionsWith(traces));
    WindowImage downloadPage;
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadDialog(run, downloadPage, dialog));
    ASSERT_NO_FATAL_FAILURE(PhotographProgress(run, dialog, "4-progress"));

    // While the bytes come, only a file of the wizard's own grows.
    ASSERT_TRUE(testing_support::WaitUntil([&] { return PartialDownloadSize(run.Folder()) > 0; },
                                           kDownloadWait, e2e::kLookInterval))
        << "no partial download while the bar moved";
    EXPECT_FALSE(std::filesystem::exists(run.Folder().File(kPackageName)));
    if (GetParam().hostFails) {
        ASSERT_NO_FATAL_FAILURE(ExpectProgressWindowClosesByItself(run));
        WindowImage broke = ExpectPageAfter(run, downloadPage, "6-failed-connection-broke");

        // Download again: the host now refuses with 404. The progress window
        // may come and go faster than a look can catch it; the page then
        // reads differently from the break.
        run.Keys({"alt+d"});
        ExpectPageAfter(run, broke, "7-failed-not-found");
        ASSERT_NO_FATAL_FAILURE(ExpectProgressWindowClosesByItself(run));
    } else {
        run.Screen().Keys(dialog, {"alt+c"});
        ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
            << "Cancel did not close the progress window";
        WindowImage cancelled = ExpectPageAfter(run, downloadPage, "6-cancelled");

        // Download again: a fresh request from the first byte; Escape cancels.
        ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));
        ASSERT_NO_FATAL_FAILURE(WaitForPartialDownload(run));
        run.Screen().Keys(dialog, {"Escape"});
        ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
            << "Escape did not close the progress window";
        WindowImage again = run.WaitForImage(
            [&](const WindowImage& image) {
                return IsDownloadPage(image) && DownloadButtonEnabled(image);
            },
            kStepWait);
        run.Shot("7-cancelled-again");
        e2e::layout::Rect message = DownloadMessage();
        EXPECT_EQ(again.CountDifferences(cancelled, message.x, message.y, message.w, message.h), 0)
            << "a second cancel reads differently";
        EXPECT_EQ(PartialDownloadSize(run.Folder()), -1);
    }
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
                                         CancelCase{"HostFails", true}),
                         [](const testing::TestParamInfo<CancelCase>& param) {
                             return param.param.name;
                         });

}  // namespace
