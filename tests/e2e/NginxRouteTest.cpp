// The direct route against a real web server: nginx, configured and started
// by the test on the compiled-in loopback port, serving "index.html" and
// both packages (the demo installer), throttled so that the progress window
// is seen midway, and stopped afterwards.
#include <gtest/gtest.h>

#include "RouteWalk.h"
#include "e2e/support/NginxServer.h"

namespace {

using namespace e2e::route;

TEST(NginxRoute, DirectRouteAgainstNginx) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    testing_support::TempDir root;
    root.Write("index.html", "<html><body>K7 Vessamo downloads</body></html>\n");
    std::string installer = DemoInstallerBytes();
    ASSERT_GT(installer.size(), 100000u);
    root.Write("vessamo-nten.exe", installer);
    root.Write("vessamo-w9xen.exe", installer);
    {
        e2e::NginxServer nginx({root.Path(), DownloadPort(), "100k"});
        Traces traces;
        e2e::WizardRun run("nginx-route", OptionsWith(traces));
        ASSERT_NO_FATAL_FAILURE(WalkDirectRoute(run, traces, installer, true));

        std::string log = nginx.AccessLog();
        EXPECT_NE(log.find("\"GET /index.html HTTP/1.1\" 200"), std::string::npos) << log;
        EXPECT_NE(
            log.find("\"GET /vessamo-nten.exe HTTP/1.1\" 200 " + std::to_string(installer.size())),
            std::string::npos)
            << log;
        EXPECT_EQ(log.find("vessamo-w9xen.exe"), std::string::npos) << log;
        EXPECT_NE(log.find("\"Korvane Vessamo Download\""), std::string::npos) << log;
    }
    EXPECT_FALSE(e2e::WaitForListener(DownloadPort(), 1)) << "nginx must be stopped";
}

}  // namespace
