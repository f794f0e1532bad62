// Help (its button, or F1) hands the vendor's support page to the
// desktop's opener (a recording stand-in here) and leaves the wizard where
// it was: on the welcome page, and again on the operating-system page.
#include <gtest/gtest.h>

#include "RouteSupport.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;

TEST(Help, OpensTheSupportPageAndLeavesTheWizardOnItsPage) {
    Traces traces;
    e2e::WizardRun run("help", OptionsWith(traces));
    ASSERT_FALSE(run.WindowId().empty());
    WindowImage welcome = run.WaitForImage(IsWelcomePage);
    ASSERT_FALSE(welcome.Empty());

    run.Keys({"alt+h"});
    ASSERT_TRUE(traces.WaitForOpened(1)) << "Help handed nothing to the opener";
    EXPECT_EQ(traces.OpenedLines(), std::vector<std::string>{SupportAddress()});
    run.Shot("1-welcome-after-help");
    // Still the welcome page, its page area unchanged (the focus went to Help).
    WindowImage after = run.WaitForImage(IsWelcomePage);
    ASSERT_FALSE(after.Empty());
    e2e::layout::Rect page = e2e::layout::ToPixels(e2e::layout::PageArea());
    EXPECT_EQ(after.CountDifferences(welcome, page.x, page.y, page.w, page.h), 0);

    // Whatever the connection test finds, the next page has Help too; F1
    // opens it as the button does.
    run.Keys({"alt+n"});
    ASSERT_FALSE(run.WaitForImage(IsOsPage, kStepWait).Empty());
    run.Keys({"F1"});
    ASSERT_TRUE(traces.WaitForOpened(2));
    EXPECT_EQ(traces.OpenedLines(), std::vector<std::string>(2, SupportAddress()));
    run.Shot("2-operating-system-after-help");

    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0);
}

}  // namespace
