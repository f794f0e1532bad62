// One wizard per folder, end to end: a second wizard started beside a
// downloading one says so and ends without touching a file while the first
// finishes its route, and the next one after it runs again; a wizard killed in the middle of a
// download leaves nothing under the package's name, and the next one in that folder clears the
// scratch files and offers the download again. The texts of the wizard's message boxes fit their
// boxes in the fonts of this machine.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "RouteWalk.h"
#include "e2e/support/VirtualDisplay.h"
#include "platform/os/ShellOpen.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/fltk/FltkRenderer.h"
#include "platform/ui/fltk/TextFit.h"
#include "support/TestHost.h"
#include "support/TestHostBody.h"
#include "support/TestHostWait.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::HttpReply;
using testing_support::TestHost;

constexpr const char* kAlreadyRunning =
    "K7 Vessamo Download Wizard is already running from this folder.";

std::set<std::string> Entries(const e2e::WizardRun& run) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(run.Folder().Path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The bytes of the download under way, under whichever name it is written.
std::int64_t DownloadedBytes(const e2e::WizardRun& run) {
    std::int64_t most = 0;
    for (const std::string& name : Entries(run)) {
        if (name == kPackageName || name.rfind(".vessamo-download-", 0) == 0) {
            most = std::max(most, testing_support::FileSize(run.Folder().File(name)));
        }
    }
    return most;
}

void ServeIndex(TestHost& host) {
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
}

TEST(OneWizardPerFolder, ASecondWizardSaysSoAndTheFirstFinishesItsRoute) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    ServeIndex(host);
    std::string installer = DemoInstallerBytes();
    HttpReply package = HttpReply::Text("HTTP/1.1 200 OK", installer);
    // Slow enough for the second wizard to come and go meanwhile: about 16 s.
    package.dripBytes = 8192;
    package.dripIntervalMs = 250;
    host.Serve("/vessamo-nten.exe", package);

    Traces traces;
    e2e::WizardRun run("second-wizard", OptionsWith(traces));
    WindowImage downloadPage;
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadDialog(run, downloadPage, dialog));
    ASSERT_TRUE(testing_support::WaitUntil([&] { return DownloadedBytes(run) > 0; }, kDownloadWait,
                                           e2e::kLookInterval));
    std::set<std::string> before = Entries(run);

    std::unique_ptr<e2e::Subprocess> second = run.StartAnother();
    std::string box = run.WaitForOtherWindow(e2e::kWizardTitle, kStepWait);
    ASSERT_FALSE(box.empty()) << "the second wizard showed no message box";
    ASSERT_FALSE(run.WaitForImage(box, [](const WindowImage&) { return true; }).Empty());
    run.Screen().ScreenshotWindow(box, "already-running");
    e2e::WindowGeometry boxSize = run.Screen().Geometry(box);
    e2e::WindowGeometry wizardSize = run.Screen().Geometry(run.WindowId());
    EXPECT_LT(boxSize.height, wizardSize.height) << "the second wizard opened its sheet";
    run.Screen().Keys(box, {"Return"});
    EXPECT_EQ(second->Wait(kStepWait), 0) << "the second wizard did not end after OK";

    EXPECT_EQ(Entries(run), before) << "the second wizard touched the folder";
    EXPECT_LT(DownloadedBytes(run), static_cast<std::int64_t>(installer.size()))
        << "the download ended before the second wizard did; nothing was shown";
    ASSERT_NO_FATAL_FAILURE(CompleteDownload(run, dialog, downloadPage));
    EXPECT_TRUE(run.Folder().Read(kPackageName) == installer);
    ASSERT_NO_FATAL_FAILURE(FinishDirectRoute(run, traces));

    // The installer it started runs on but holds no claim on the folder.
    run.Restart();
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage, kStepWait).Empty())
        << "a wizard started after the first one ended did not open its sheet";
    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0);
}

TEST(OneWizardPerFolder, AfterAKillMidDownloadTheNextWizardStartsClean) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    ServeIndex(host);
    HttpReply stalling = HttpReply::Ok(4 * 1024 * 1024);
    stalling.stallAt = 300000;
    host.Serve("/vessamo-nten.exe", stalling);

    Traces traces;
    e2e::WizardRun run("killed-mid-download", OptionsWith(traces));
    WindowImage downloadPage;
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadDialog(run, downloadPage, dialog));
    ASSERT_TRUE(testing_support::WaitUntil([&] { return DownloadedBytes(run) >= 300000; },
                                           kDownloadWait, e2e::kLookInterval))
        << "the download never reached the stall";
    kill(run.Process().Pid(), SIGKILL);
    EXPECT_EQ(run.Process().Wait(kStepWait), 128 + SIGKILL);
    EXPECT_FALSE(std::filesystem::exists(run.Folder().File(kPackageName)))
        << "a broken download lies under the package's name";
    std::set<std::string> crashed = Entries(run);
    EXPECT_TRUE(std::any_of(crashed.begin(), crashed.end(), [](const std::string& name) {
        return name.rfind(".vessamo-download-", 0) == 0;
    })) << "the killed download left no partial file of its own to clear";
    host.ReleaseStall();

    // One more leftover, as an older crash leaves it, and the user's own file.
    run.Folder().Write(".vessamo-connection-test-Zz9Yy8", "");
    run.Folder().Write("notes.txt", "the user's");
    run.Restart();
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadPage(run, downloadPage));
    for (const std::string& name : Entries(run)) {
        EXPECT_NE(name.rfind(".vessamo-download-", 0), 0u) << name << " was left behind";
        EXPECT_NE(name.rfind(".vessamo-connection-test-", 0), 0u) << name << " was left behind";
    }
    EXPECT_EQ(run.Folder().Read("notes.txt"), "the user's");
    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0);
    EXPECT_TRUE(traces.SetupLines().empty());
}

// The message boxes are laid out by the window model without fonts; the
// renderer's real fonts must fit each text in the lines laid out for it.
TEST(OneWizardPerFolder, MessageBoxTextsFitTheirBoxes) {
    e2e::VirtualDisplay display;
    setenv("DISPLAY", display.Name().c_str(), 1);
    std::unique_ptr<ui::fltk::FltkRenderer> renderer = ui::fltk::FltkRenderer::Open();
    ASSERT_NE(renderer, nullptr);
    std::vector<std::string> texts = {kAlreadyRunning};
    for (std::intptr_t result :
         {os::SE_ERR_FNF, os::SE_ERR_NOTAFILE, os::SE_ERR_ACCESSDENIED, os::SE_ERR_OOM,
          os::SE_ERR_BADFORMAT, os::SE_ERR_SHARE, os::SE_ERR_NOASSOC, std::intptr_t{0}}) {
        texts.push_back(
            "The installer could not be started: " + os::ShellOpenFailureReason(result) + ".");
    }
    LOGFONT font;
    font.lfHeight = PointSizeToHeight(8);
    for (const std::string& text : texts) {
        ui::CMessageBox box(text.c_str(), e2e::kWizardTitle, MB_OK, nullptr);
        const ui::ControlTemplate& shown = box.FindTemplate()->controls[0];
        EXPECT_TRUE(
            ui::fltk::TextFits(shown.text, font, shown.kind, ui::fltk::UnitsToPixels(shown.rect)))
            << text;
    }
}

}  // namespace
