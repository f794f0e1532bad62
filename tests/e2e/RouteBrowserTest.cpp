// The browser route when the download host cannot be reached (nothing
// listens on its port): Next leads from the operating-system page to the
// browser-download page, "Download with Browser" hands the package's
// address to the desktop's opener, and Finish leaves the user's package
// file where it was.
#include <gtest/gtest.h>

#include "RouteSupport.h"
#include "e2e/support/NginxServer.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;

TEST(BrowserRoute, UnreachableHostLeadsToTheBrowserAndKeepsThePackage) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    ASSERT_FALSE(e2e::WaitForListener(DownloadPort(), 0))
        << "something listens on the download host's port " << DownloadPort();
    const std::string kept = "the package the user downloaded earlier\n";
    Traces traces;
    e2e::WizardRun run("browser-route", OptionsWith(traces, {{kPackageName, kept}}));
    ASSERT_FALSE(run.WindowId().empty());
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage).Empty());
    run.Shot("1-welcome");

    run.Keys({"Return"});
    ASSERT_FALSE(run.WaitForImage(IsOsPage, kStepWait).Empty());
    run.Shot("2-operating-system");

    // The connection test failed: Next skips the download page.
    run.Keys({"Return"});
    ASSERT_FALSE(run.WaitForImage(IsBrowserPage, kStepWait).Empty())
        << "Next did not lead to the browser-download page";
    run.Shot("3-browser-download");

    // "< &Back" shares the letter B: Alt+B moves the focus from the browser
    // button to Back and round again, and Enter presses the focused button.
    run.Keys({"alt+b", "alt+b", "Return"});
    ASSERT_TRUE(traces.WaitForOpened(1)) << "nothing was handed to the opener";
    EXPECT_EQ(traces.OpenedLines(), std::vector<std::string>{DownloadAddress(kPackageName)});

    // The browser button has the focus now, so Enter would press it again:
    // Finish, which has no mnemonic, is clicked where Next was.
    e2e::layout::Rect finish = e2e::layout::SheetButton(e2e::layout::Button::Next);
    run.Screen().Click(run.WindowId(), finish.x + finish.w / 2, finish.y + finish.h / 2);
    EXPECT_EQ(run.Process().Wait(kStepWait), 0) << "the wizard did not end after Finish";
    EXPECT_EQ(run.Folder().Read(kPackageName), kept);
    EXPECT_TRUE(traces.SetupLines().empty()) << "the browser route starts no installer";
    EXPECT_EQ(traces.OpenedLines().size(), 1u);
}

}  // namespace
