#include "RouteWalk.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestHostWait.h"

namespace e2e::route {

namespace {

int DifferencesIn(const WindowImage& a, const WindowImage& b, const layout::Rect& r) {
    return a.CountDifferences(b, r.x, r.y, r.w, r.h);
}

}  // namespace

void WalkToDownloadPage(WizardRun& run, WindowImage& downloadPage) {
    ASSERT_FALSE(run.WindowId().empty()) << "no window titled " << kWizardTitle;
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage).Empty()) << "the welcome page did not show";
    run.Shot("1-welcome");

    run.Keys({"Return"});
    ASSERT_FALSE(run.WaitForImage(IsOsPage, kStepWait).Empty())
        << "Next did not lead to the operating-system page";
    run.Shot("2-operating-system");
    EXPECT_FALSE(std::filesystem::exists(run.Folder().File("index.html")))
        << "the connection test left its file behind";

    run.Keys({"Return"});
    downloadPage = run.WaitForImage(
        [](const WindowImage& image) {
            return IsDownloadPage(image) && DownloadButtonEnabled(image);
        },
        kStepWait);
    run.Shot("3-download");
    ASSERT_FALSE(downloadPage.Empty())
        << "Next did not lead to the download page (did the connection test fail?)";
}

void StartDownload(WizardRun& run, std::string& dialog) {
    run.Keys({"alt+d"});
    dialog = run.Screen().WaitForWindow(kProgressTitle, kStepWait);
    ASSERT_FALSE(dialog.empty()) << "Download did not open the progress window";
}

void WalkToDownloadDialog(WizardRun& run, WindowImage& downloadPage, std::string& dialog) {
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadPage(run, downloadPage));
    ASSERT_NO_FATAL_FAILURE(StartDownload(run, dialog));
}

void WaitForPartialDownload(WizardRun& run) {
    ASSERT_TRUE(testing_support::WaitUntil([&] { return PartialDownloadSize(run.Folder()) > 0; },
                                           kDownloadWait, kLookInterval))
        << "the download wrote nothing";
}

void PhotographProgress(WizardRun& run, const std::string& dialog, const std::string& name) {
    bool caught = testing_support::WaitUntil(
        [&] {
            WindowImage image = run.Screen().CaptureWindow(dialog);
            return !image.Empty() && ProgressStarted(image) && !ProgressAtEnd(image) &&
                   ProgressCancelEnabled(image) && !ProgressOkEnabled(image);
        },
        kDownloadWait, kLookInterval);
    ASSERT_TRUE(caught) << "the progress bar was never seen under way";
    run.Screen().ScreenshotWindow(dialog, name);
}

void CompleteDownload(WizardRun& run, const std::string& dialog, const WindowImage& downloadPage) {
    WindowImage complete = run.WaitForImage(dialog, ProgressOkEnabled, kDownloadWait);
    ASSERT_FALSE(complete.Empty()) << "the progress window did not complete";
    run.Screen().ScreenshotWindow(dialog, "5-progress-complete");
    EXPECT_FALSE(ProgressCancelEnabled(complete));
    EXPECT_TRUE(ProgressAtEnd(complete));

    run.Screen().Keys(dialog, {"alt+o"});
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kProgressTitle, kStepWait))
        << "OK did not close the progress window";
    WindowImage done = run.WaitForImage(
        [](const WindowImage& image) {
            return IsDownloadPage(image) && !DownloadButtonEnabled(image);
        },
        kStepWait);
    run.Shot("6-download-complete");
    ASSERT_FALSE(done.Empty()) << "the download page does not show the package present";
    // "Download complete." replaced the pending text; the ready text the advice.
    EXPECT_GT(DifferencesIn(done, downloadPage, DownloadStatus()), 0);
    EXPECT_GT(DifferencesIn(done, downloadPage, DownloadMessage()), 0);
}

void FinishDirectRoute(WizardRun& run, const Traces& traces, const std::string& completionShot,
                       const std::string& packageName) {
    std::string package = run.Folder().File(packageName);
    run.Keys({"Return"});
    ASSERT_FALSE(run.WaitForImage(IsCompletionPage, kStepWait).Empty())
        << "Next did not lead to the completion page";
    run.Shot(completionShot);

    ASSERT_TRUE(traces.WaitForSetup(1)) << "the installer did not start";
    std::vector<std::string> started = traces.SetupLines();
    EXPECT_EQ(started.size(), 1u);
    std::string expected = "ran " + package + " in " + run.Folder().Path() + " as pid ";
    EXPECT_EQ(started.front().rfind(expected, 0), 0u) << started.front();
    if (!run.Screen().WaitForWindow(kSetupTitle, kStepWait).empty()) {
        run.Screen().Screenshot("8-installer-started");
    }

    // Finish: the default button of the completion page.
    run.Keys({"Return"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0) << "the wizard did not end after Finish";
    EXPECT_FALSE(std::filesystem::exists(package)) << "the package was left behind";
    EXPECT_EQ(traces.SetupLines().size(), 1u) << "the installer started more than once";
}

void WalkDirectRoute(WizardRun& run, const Traces& traces, const std::string& served,
                     bool photographProgress, const std::string& package) {
    WindowImage downloadPage;
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadDialog(run, downloadPage, dialog));
    if (photographProgress) {
        ASSERT_NO_FATAL_FAILURE(PhotographProgress(run, dialog, "4-progress"));
    }
    ASSERT_NO_FATAL_FAILURE(CompleteDownload(run, dialog, downloadPage));
    EXPECT_TRUE(run.Folder().Read(package) == served) << "the package is not what the host served";
    ASSERT_NO_FATAL_FAILURE(FinishDirectRoute(run, traces, "7-completion", package));
}

}  // namespace e2e::route
