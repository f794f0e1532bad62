// The progress window on screen: a modal window transient for the wizard
// and centred over it, its bar moving as the download goes, OK taking the
// keyboard once it completes, and the wizard going on afterwards.
// Walks the direct route against nginx as the download host and leaves
// the pictures of docs/screenshots' download states.
#include <gtest/gtest.h>

#include <cstdio>

#include "RouteSupport.h"
#include "RouteWalk.h"
#include "e2e/support/NginxServer.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;

TEST(ModalDialog, ProgressWindowIsTransientForTheWizardAndCentredOverIt) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    testing_support::TempDir served;
    served.Write("index.html", "<html>K7 Vessamo downloads</html>\n");
    served.Write(kPackageName, DemoInstallerBytes());
    // Slow enough that the bar is seen under way.
    e2e::NginxServer server({served.Path(), DownloadPort(), "150k"});
    Traces traces;
    e2e::WizardRun run("modal-dialog", OptionsWith(traces));
    ASSERT_FALSE(run.WindowId().empty());

    WindowImage downloadPage;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadPage(run, downloadPage));
    run.Shot("download");
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));

    e2e::WindowGeometry sheet = run.Screen().Geometry(run.WindowId());
    e2e::WindowGeometry box = run.Screen().Geometry(dialog);
    EXPECT_EQ(box.width, e2e::layout::Px(223));
    EXPECT_EQ(box.height, e2e::layout::Py(89));
    EXPECT_NEAR(box.x, sheet.x + (sheet.width - box.width) / 2, 1);
    EXPECT_NEAR(box.y, sheet.y + (sheet.height - box.height) / 2, 1);
    e2e::CommandResult hints = e2e::RunCommand(
        {"xprop", "-id", dialog, "WM_TRANSIENT_FOR", "_NET_WM_STATE"}, {run.DisplayEntry()});
    char sheetId[32];
    std::snprintf(sheetId, sizeof sheetId, "0x%lx", std::stoul(run.WindowId()));
    EXPECT_NE(hints.output.find(sheetId), std::string::npos) << hints.output;
    EXPECT_NE(hints.output.find("_NET_WM_STATE_MODAL"), std::string::npos) << hints.output;

    ASSERT_NO_FATAL_FAILURE(PhotographProgress(run, dialog, "download-progress"));
    run.Screen().ScreenshotScreenOver(run.WindowId(), "download-progress-over-wizard");
    ASSERT_NO_FATAL_FAILURE(CompleteDownload(run, dialog, downloadPage));
    run.Shot("download-complete");

    ASSERT_NO_FATAL_FAILURE(FinishDirectRoute(run, traces, "completion"));
}

}  // namespace
