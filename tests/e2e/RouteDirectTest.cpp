// The direct route end to end against the loopback test host on the
// compiled-in port: the connection test, the download behind the progress
// window, the installer started from the wizard's folder, the package
// deleted on Finish, and the requests the host saw. Under Wine it runs for
// each Windows family, the 9x one with Wine set to report Windows 98.
#include <gtest/gtest.h>

#include "RouteWalk.h"
#include "support/TestHost.h"
#include "support/TestHostWait.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::HttpReply;
using testing_support::TestHost;

struct Family {
    const char* name;
    const char* windowsVersion;  // Wine's setting; "" keeps its default
    const char* package;         // what the wizard fetches for the family
};

void PrintTo(const Family& family, std::ostream* out) {
    *out << family.name;
}

const Family kNtFamily{"NtFamily", "", kPackageName};
const Family kNineXFamily{"NineXFamily", "win98", "vessamo-w9xen.exe"};

class DirectRoute : public testing::TestWithParam<Family> {};

TEST_P(DirectRoute, DownloadsStartsTheInstallerAndDeletesThePackage) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    const std::string package = GetParam().package;
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    std::string installer = DemoInstallerBytes();
    ASSERT_GT(installer.size(), 100000u);
    HttpReply reply = HttpReply::Text("HTTP/1.1 200 OK", installer);
    // Slow enough for the bar to be seen midway: about four seconds.
    reply.dripBytes = 8192;
    reply.dripIntervalMs = 60;
    host.Serve("/" + package, reply);

    Traces traces;
    e2e::WizardOptions options = OptionsWith(traces);
    options.windowsVersion = GetParam().windowsVersion;
    e2e::WizardRun run(std::string("direct-route-") + GetParam().name, options);
    ASSERT_NO_FATAL_FAILURE(WalkDirectRoute(run, traces, installer, true, package));

    // One connection test, one download, as the wizard names them.
    std::vector<testing_support::RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/index.html");
    EXPECT_EQ(requests[1].target, "/" + package);
    for (const auto& request : requests) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.Header("User-Agent"), "Korvane Vessamo Download");
        EXPECT_EQ(request.Header("Accept"), "*");
    }
}

// Only Wine can report the 9x family.
INSTANTIATE_TEST_SUITE_P(Families, DirectRoute,
                         testing::ValuesIn(e2e::kUnderWine ? std::vector{kNtFamily, kNineXFamily}
                                                           : std::vector{kNtFamily}),
                         [](const testing::TestParamInfo<Family>& param) {
                             return param.param.name;
                         });

// A download that breaks off keeps its bytes. Download again asks for the
// rest only, and what starts is the whole installer, byte for byte.
TEST(ResumedRoute, ABrokenDownloadContinuesAndTheInstallerStarts) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    const std::string installer = DemoInstallerBytes();
    const std::string tag = "\"demo-1\"";
    HttpReply broken = HttpReply::Text("HTTP/1.1 200 OK", installer);
    broken.headers.push_back("ETag: " + tag);
    broken.resetAt = installer.size() / 2;
    // Slow enough for the progress window to be seen before the break.
    broken.dripBytes = 8192;
    broken.dripIntervalMs = 60;
    host.Serve(std::string("/") + kPackageName, broken);

    Traces traces;
    e2e::WizardRun run("resumed-route", OptionsWith(traces));
    WindowImage downloadPage;
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadDialog(run, downloadPage, dialog));
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
        << "the progress window stayed open after the host broke off";
    run.Shot("4-broken");
    const std::int64_t kept = PartialDownloadSize(run.Folder());
    ASSERT_GT(kept, 0) << "the broken download kept no bytes";

    const std::size_t from = static_cast<std::size_t>(kept);
    HttpReply rest = HttpReply::Text("HTTP/1.1 206 Partial Content", installer.substr(from));
    rest.headers.push_back("Content-Range: bytes " + std::to_string(from) + "-" +
                           std::to_string(installer.size() - 1) + "/" +
                           std::to_string(installer.size()));
    host.Serve(std::string("/") + kPackageName, rest);
    ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));
    ASSERT_NO_FATAL_FAILURE(CompleteDownload(run, dialog, downloadPage));
    EXPECT_TRUE(run.Folder().Read(kPackageName) == installer) << "the package is not whole";
    ASSERT_NO_FATAL_FAILURE(FinishDirectRoute(run, traces));

    std::vector<testing_support::RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].HeaderCount("Range"), 0);
    EXPECT_EQ(requests[2].Header("Range"), "bytes=" + std::to_string(kept) + "-");
    EXPECT_EQ(requests[2].Header("If-Range"), tag);
}

}  // namespace
