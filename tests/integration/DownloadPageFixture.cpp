#include "integration/DownloadPageFixture.h"

#include "download/DownloadState.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/os/Thread.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/TestHostBody.h"
#include "support/seams/TestDownloadHost.h"
#include "support/seams/TestSystemEntries.h"

namespace testing_support {

namespace {

// What the user sees of the dialog, checked whenever its loop waits.
void Sample(ui::Window& dialog, ProgressDialogWatch& watch) {
    ++watch.samples;
    bool below100 = ControlOf(dialog, IDC_PROGRESS).ProgressPos() < 100;
    bool complete = ControlOf(dialog, IDOK).IsEnabled() || !ControlOf(dialog, IDCANCEL).IsEnabled();
    if (below100 && complete) ++watch.completedEarly;
}

}  // namespace

std::string FailedText(const std::string& cause, bool continues) {
    std::string offer =
        res::LoadString(continues ? IDS_DOWNLOAD_CONTINUE : IDS_DOWNLOAD_TRY_AGAIN).str();
    return res::LoadString(IDS_DOWNLOAD_FAILED).str() +
           (cause.empty() ? std::string(".") : ": " + cause + ".") + offer;
}

void DownloadPageFixture::SetUp() {
    PageTest::SetUp();  // the NT family
    UseDownloadHost(host.HostAndPort());
    net::SetCredentialPrompt({});
    SetProgress(0);
    // A dialog left waiting by a fault ends the test instead of hanging it.
    env.Renderer().SetIdleLimit(std::chrono::seconds(20));
    wizard = std::make_unique<CInstallWizard>();
    ASSERT_TRUE(wizard->Create());
    ui::PumpMessages();
}

void DownloadPageFixture::TearDown() {
    readOnly.reset();
    EXPECT_EQ(watch.completedEarly, 0) << "the progress dialog completed below 100 percent";
    wizard->DestroyWindow();
    wizard.reset();
    ui::PumpMessages();
    testing_support::FailThreadStarts(0);
    SetCancelled(FALSE);
    SetProgress(0);
    PageTest::TearDown();
}

void DownloadPageFixture::MakeFolderReadOnly() {
    readOnly = std::make_unique<ReadOnlyFolder>(dir.Path());
    if (!readOnly->Refuses()) GTEST_SKIP() << "this system cannot keep new files out of a folder";
}

void DownloadPageFixture::ShowPage() {
    ASSERT_TRUE(wizard->SetActivePage(wizard->FindPageByTemplate(IDD_WIZ_DOWNLOAD)));
    ui::PumpMessages();
    ASSERT_EQ(wizard->GetActivePage(), &Page());
}

void DownloadPageFixture::LeavePage() {
    ASSERT_TRUE(wizard->SetActivePage(wizard->FindPageByTemplate(IDD_WIZ_INTRO)));
    ui::PumpMessages();
}

void DownloadPageFixture::PressDownload() {
    ASSERT_TRUE(Click(Page(), IDC_DOWNLOAD)) << "the Download button took no click";
    ui::PumpMessages();
}

void DownloadPageFixture::ExpectDoneState() {
    EXPECT_EQ(Message(), kReady);
    EXPECT_EQ(Status(), kDone);
    EXPECT_EQ(Buttons(), "Back Next");
    EXPECT_FALSE(DownloadEnabled());
}

void DownloadPageFixture::ExpectCancelledState() {
    EXPECT_EQ(Message(), kCancelled);
    EXPECT_EQ(Status(), kPending);
    EXPECT_EQ(Buttons(), "Back");
    EXPECT_TRUE(DownloadEnabled());
}

void DownloadPageFixture::ExpectFailedState(const std::string& cause) {
    EXPECT_EQ(Message(), FailedText(cause));
    EXPECT_EQ(Status(), kPending);
    EXPECT_EQ(Buttons(), "Back");
    EXPECT_TRUE(DownloadEnabled());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{}) << "a file stayed behind";
}

bool DownloadPageFixture::DownloadedInFull(std::uint64_t size) const {
    return FileHoldsPattern(PartialFileIn(dir), size) || FileHoldsPattern(PackagePath(), size);
}

ui::Window* DownloadPageFixture::ProgressDialog() {
    ui::Window* active = ui::ActiveWindow();
    return active != nullptr && ui::TemplateKey(*active) == IDD_DOWNLOAD_PROGRESS ? active
                                                                                  : nullptr;
}

void DownloadPageFixture::AnswerWhenComplete(std::function<void(ui::Window&)> atCompletion) {
    env.Renderer().WhenTrue(
        [this] {
            ui::Window* dialog = ProgressDialog();
            if (dialog == nullptr) return false;
            Sample(*dialog, watch);
            return ControlOf(*dialog, IDOK).IsEnabled();
        },
        [atCompletion](ui::Window& dialog) {
            ASSERT_EQ(ui::TemplateKey(dialog), static_cast<UINT>(IDD_DOWNLOAD_PROGRESS));
            EXPECT_EQ(ControlOf(dialog, IDC_PROGRESS).ProgressPos(), 100);
            EXPECT_FALSE(ControlOf(dialog, IDCANCEL).IsEnabled());
            EXPECT_EQ(ControlOf(dialog, IDC_PROGRESS_TEXT).Text(),
                      res::LoadString(IDS_PROGRESS_COMPLETE).str());
            if (atCompletion) atCompletion(dialog);
            EXPECT_TRUE(Click(dialog, IDOK));
        });
}

void DownloadPageFixture::CancelWhen(std::function<bool()> condition) {
    env.Renderer().WhenTrue(
        [this, condition] {
            ui::Window* dialog = ProgressDialog();
            if (dialog == nullptr) return false;
            Sample(*dialog, watch);
            return condition();
        },
        [](ui::Window& dialog) {
            ASSERT_EQ(ui::TemplateKey(dialog), static_cast<UINT>(IDD_DOWNLOAD_PROGRESS));
            EXPECT_TRUE(Click(dialog, IDCANCEL));
        });
}

}  // namespace testing_support
