// The connection test against a host that takes the request and then says
// nothing: the wizard's window is drawn anew while the test waits, and
// Escape ends the test and the wizard at once.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "RouteSupport.h"
#include "e2e/support/Subprocess.h"
#include "support/TestHost.h"
#include "support/TestHostWait.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::HttpReply;
using testing_support::TestHost;

// The welcome page as the wizard draws it: its texts on the face colour,
// which is left of Back in the button row. (A window nobody drew may be
// black, which IsWelcomePage alone would take for text.)
bool WelcomePageDrawn(const WindowImage& image) {
    e2e::layout::Rect back = e2e::layout::SheetButton(e2e::layout::Button::Back);
    int margin = e2e::layout::Px(7);
    return IsWelcomePage(image) && image.Filled(margin, back.y, back.x - 2 * margin, back.h, kFace);
}

TEST(BusyConnection, TheWindowIsRedrawnAndEscapeEndsTheWizardAtOnce) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    std::atomic<bool> asked{false};
    HttpReply silent = HttpReply::Text("HTTP/1.1 200 OK", "<html>late</html>");
    silent.headerDelayMs = 60000;  // before each line of the head
    silent.onRequest = [&] { asked = true; };
    host.Serve("/index.html", silent);

    e2e::WizardRun run("busy-connection");
    ASSERT_FALSE(run.WindowId().empty());
    ASSERT_FALSE(run.WaitForImage(WelcomePageDrawn).Empty());
    run.Keys({"Return"});
    ASSERT_TRUE(
        testing_support::WaitUntil([&] { return asked.load(); }, kStepWait, e2e::kLookInterval))
        << "Next did not start the connection test";

    // The X server keeps no pixels of an unmapped window: mapped again, it
    // shows the welcome page only if the wizard draws it while it waits.
    for (const char* step : {"windowunmap", "windowmap"}) {
        e2e::CommandResult result =
            e2e::RunCommand({"xdotool", step, "--sync", run.WindowId()}, {run.DisplayEntry()});
        ASSERT_EQ(result.exitCode, 0) << step;
    }
    WindowImage redrawn = run.WaitForImage(WelcomePageDrawn, std::chrono::seconds(10));
    run.Shot("1-welcome-during-the-test");
    ASSERT_FALSE(redrawn.Empty()) << "the window was not drawn while the test waited";
    ASSERT_TRUE(asked.load());
    EXPECT_EQ(host.RequestCount(), 1u);

    // Pressing the key and the short pause after it take part of the second.
    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(std::chrono::seconds(1)), 0)
        << "Escape did not end the wizard within a second";
    for (const auto& entry : std::filesystem::directory_iterator(run.Folder().Path())) {
        EXPECT_EQ(entry.path().filename(), "vessamo-installer") << "left behind";
    }
}

}  // namespace
