// The common ground of the download page's tests: on the ground of every
// page test, the wizard open, a TestHost as the download host, and ways to
// answer the progress dialog while watching what it shows.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/InstallWizard.h"
#include "integration/DownloadFixture.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "support/PageTestSupport.h"
#include "support/ReadOnlyFolder.h"
#include "support/TestHost.h"

namespace testing_support {

// The page's texts, as the user reads them, from the product's string table.
inline const std::string kProxyAdvice = res::LoadString(IDS_DOWNLOAD_PROXY_ADVICE).str();
inline const std::string kReady = res::LoadString(IDS_DOWNLOAD_READY).str();
inline const std::string kCancelled = res::LoadString(IDS_DOWNLOAD_CANCELLED).str();
inline const std::string kDone = res::LoadString(IDS_DOWNLOAD_DONE).str();
// The message after a download that failed on its own, for `cause` ("" for
// none known), offering to try again, or to continue (`continues`).
std::string FailedText(const std::string& cause, bool continues = false);
inline const std::string kPending = res::LoadString(IDS_DOWNLOAD_PENDING).str();

// What was seen of the progress dialogs while their modal loops waited.
struct ProgressDialogWatch {
    int samples = 0;
    // OK offered, or Cancel withdrawn, while the bar was below 100.
    int completedEarly = 0;
};

class DownloadPageFixture : public PageTest {
  public:
    // Makes the executable's folder read-only for this thread and the
    // download threads it starts, until the test ends; skips the test where
    // the system cannot (see ReadOnlyFolder), and the caller then returns.
    void MakeFolderReadOnly();

  protected:
    static constexpr const char* kNtPackage = "vessamo-nten.exe";
    static constexpr const char* kW9xPackage = "vessamo-w9xen.exe";

    void SetUp() override;
    void TearDown() override;

    CWizDownload& Page() { return wizard->m_pageDownload; }
    // Shows the download page as when the user comes to it.
    void ShowPage();
    // Shows the welcome page, leaving the download page.
    void LeavePage();
    // Presses Download as the user does. The handler has returned (and both
    // download threads have ended) when this returns; the wizard buttons it
    // set have been applied.
    void PressDownload();

    std::string Message() { return ControlOf(Page(), IDC_MESSAGE).Text().str(); }
    std::string Status() { return ControlOf(Page(), IDC_STATUS).Text().str(); }
    bool DownloadEnabled() { return ControlOf(Page(), IDC_DOWNLOAD).IsEnabled(); }
    std::string Buttons() { return WizardButtons(*wizard); }
    // The page after a download: Next offered, the ready and done texts.
    void ExpectDoneState();
    // The page after a cancelled attempt: Download offered again.
    void ExpectCancelledState();
    // The page after an attempt that failed for `cause`: Download offered again.
    void ExpectFailedState(const std::string& cause);
    // Every byte of a `size`-byte package has arrived: in the file the
    // download is written into, or already in the package file.
    bool DownloadedInFull(std::uint64_t size) const;
    std::string PackagePath(const char* name = kNtPackage) const { return dir.File(name); }

    // The progress dialog, when it is the window that takes input now.
    static ui::Window* ProgressDialog();
    // Presses OK on the next progress dialog as soon as it is offered, after
    // checking that the dialog is complete then and calling `atCompletion`.
    // Until then, every wait of its modal loop is sampled into `watch`.
    void AnswerWhenComplete(std::function<void(ui::Window& dialog)> atCompletion = {});
    // Presses Cancel on the next progress dialog once `condition` holds.
    void CancelWhen(std::function<bool()> condition);

    TestHost host;
    std::unique_ptr<CInstallWizard> wizard;
    std::unique_ptr<ReadOnlyFolder> readOnly;
    ProgressDialogWatch watch;
};

}  // namespace testing_support
