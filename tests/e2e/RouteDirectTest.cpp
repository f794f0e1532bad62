// The direct route end to end against the loopback test host on the
// compiled-in port: the connection test, the download behind the progress
// window, the installer started from the wizard's folder, the package
// deleted on Finish, and the requests the host saw.
#include <gtest/gtest.h>

#include "RouteWalk.h"
#include "support/TestHost.h"

namespace {

using namespace e2e::route;
using testing_support::HttpReply;
using testing_support::TestHost;

TEST(DirectRoute, DownloadsStartsTheInstallerAndDeletesThePackage) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    std::string installer = DemoInstallerBytes();
    ASSERT_GT(installer.size(), 100000u);
    HttpReply package = HttpReply::Text("HTTP/1.1 200 OK", installer);
    // Slow enough for the bar to be seen midway: about four seconds.
    package.dripBytes = 8192;
    package.dripIntervalMs = 60;
    host.Serve("/vessamo-nten.exe", package);

    Traces traces;
    e2e::WizardRun run("direct-route", OptionsWith(traces));
    ASSERT_NO_FATAL_FAILURE(WalkDirectRoute(run, traces, installer, true));

    // One connection test, one download, as the wizard names them.
    std::vector<testing_support::RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/index.html");
    EXPECT_EQ(requests[1].target, "/vessamo-nten.exe");
    for (const auto& request : requests) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.Header("User-Agent"), "Korvane Vessamo Download");
        EXPECT_EQ(request.Header("Accept"), "*");
    }
}

}  // namespace
