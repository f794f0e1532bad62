// What the user meets under Wine when a download ends, in each outcome: the
// wizard goes on answering its messages (a probe in the same prefix sends
// its window one every few milliseconds, from before the end until well
// after the page has changed, and no answer may take 250 ms), and once the
// progress window has gone the keyboard focus is on a control. After OK,
// Enter pressed half a second later goes on to the completion page.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "e2e/RouteWalk.h"
#include "support/TestHost.h"
#include "support/TestHostWait.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::HttpReply;
using testing_support::TestHost;

// Beyond a frame or two of a desktop's timing, and far below the freeze of
// a wait for a window manager that is not there.
constexpr double kSlowestAnswerMs = 250;
constexpr int kProbeSeconds = 12;

enum class End { Completed, Cancelled, Failed };

struct EndCase {
    const char* name;
    End end;
};

void PrintTo(const EndCase& param, std::ostream* out) {
    *out << param.name;
}

struct ProbeReport {
    double slowestMs = -1;
    long answered = 0;
    std::string focus;  // the text of the focused window at the end
};

// Reads "max_ms=<n> answered=<count> focus=<text>" from the probe's file.
ProbeReport ReadProbeReport(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();  // written as Windows text
    ProbeReport report;
    std::size_t focus = line.find(" focus=");
    if (focus == std::string::npos) return report;
    report.focus = line.substr(focus + 7);
    std::sscanf(line.c_str(), "max_ms=%lf answered=%ld", &report.slowestMs, &report.answered);
    return report;
}

class DownloadEnd : public testing::TestWithParam<EndCase> {};

TEST_P(DownloadEnd, LeavesTheWizardAnsweringWithTheFocusOnAControl) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    const End end = GetParam().end;
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    std::string installer = DemoInstallerBytes();
    HttpReply reply = HttpReply::Text("HTTP/1.1 200 OK", installer);
    reply.dripBytes = 8192;
    reply.dripIntervalMs = 60;
    if (end == End::Failed) reply.resetAt = installer.size() / 2;
    host.Serve(std::string("/") + kPackageName, reply);

    Traces traces;
    e2e::WizardRun run(std::string("download-end-") + GetParam().name, OptionsWith(traces));
    WindowImage downloadPage;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadPage(run, downloadPage));
    std::unique_ptr<e2e::Subprocess> probe = run.StartBeside(
        {VESSAMO_LATENCY_PROBE, e2e::kWizardTitle, std::to_string(kProbeSeconds), "probe.txt"});
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));

    if (end == End::Completed) {
        WindowImage complete = run.WaitForImage(
            dialog, [](const WindowImage& image) { return ProgressOkEnabled(image); },
            kDownloadWait);
        ASSERT_FALSE(complete.Empty()) << "the download did not complete";
        run.Screen().Keys(dialog, {"Return"});
    } else if (end == End::Cancelled) {
        ASSERT_NO_FATAL_FAILURE(WaitForPartialDownload(run));
        run.Screen().Keys(dialog, {"Escape"});
    }
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
        << "the progress window stayed open";
    if (end == End::Completed) {
        // Enter, soon after OK: Next, which the completion page follows.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        run.Keys({"Return"});
        EXPECT_TRUE(traces.WaitForSetup(1)) << "Enter after OK did not reach the page";
        EXPECT_FALSE(run.WaitForImage(IsCompletionPage, kStepWait).Empty());
    }

    ASSERT_EQ(probe->Wait(std::chrono::seconds(kProbeSeconds + 60)), 0) << "the probe failed";
    ProbeReport report = ReadProbeReport(run.Folder().File("probe.txt"));
    EXPECT_GT(report.answered, 100);
    EXPECT_GE(report.slowestMs, 0);
    EXPECT_LT(report.slowestMs, kSlowestAnswerMs) << "the wizard stopped answering";
    // A control has the focus, not the window alone (whose text is the
    // title): Next once Download is done, else Download again.
    EXPECT_EQ(report.focus, end == End::Completed ? "&Next >" : "&Download");

    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0);
}

INSTANTIATE_TEST_SUITE_P(Ends, DownloadEnd,
                         testing::Values(EndCase{"Completed", End::Completed},
                                         EndCase{"Cancelled", End::Cancelled},
                                         EndCase{"Failed", End::Failed}),
                         [](const testing::TestParamInfo<EndCase>& param) {
                             return param.param.name;
                         });

}  // namespace
