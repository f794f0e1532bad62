#include <gtest/gtest.h>

#include <functional>

#include "app/InstallWizard.h"
#include "app/InstallerApp.h"
#include "package/OSType.h"
#include "platform/ui/ModalLoop.h"
#include "support/PageTestSupport.h"
#include "support/TestHost.h"

namespace {

using testing_support::Click;
using testing_support::HttpReply;
using testing_support::PressWizardButton;
using testing_support::UseDownloadHost;
using testing_support::WizardButtons;

// The whole program, InitInstance to its end, walked along both routes
// against a loopback download host.
class PageWizardRoutesTest : public testing_support::PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        UseDownloadHost(host.HostAndPort());
    }

    // Runs theApp.InitInstance with `script` acting on the open wizard.
    void Run(const std::function<void(CInstallWizard&)>& script) {
        env.Renderer().WhenOpened(ui::kAnySheet, [&](ui::Window& sheet) {
            auto* wizard = dynamic_cast<CInstallWizard*>(CWnd::FromHandle(sheet.Handle()));
            ASSERT_NE(wizard, nullptr);
            script(*wizard);
        });
        EXPECT_EQ(theApp.InitInstance(), FALSE);
        EXPECT_EQ(env.Renderer().PendingActions(), 0u);
    }
    // Presses `id` and expects to arrive at the page on `templateId`.
    static void Go(CInstallWizard& wizard, int id, UINT templateId, const char* buttons) {
        ASSERT_TRUE(PressWizardButton(wizard, id));
        ASSERT_EQ(wizard.GetActivePage()->GetTemplateId(), templateId);
        EXPECT_EQ(WizardButtons(wizard), buttons);
    }

    testing_support::TestHost host;
};

TEST_F(PageWizardRoutesTest, BrowserRouteOpensTheAddressAndKeepsEveryFileAtExit) {
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 403 Forbidden", "no"));
    dir.Write("vessamo-nten.exe", "MZ kept for other computers");
    Run([&](CInstallWizard& w) {
        EXPECT_EQ(WizardButtons(w), "Next");
        Go(w, ID_WIZNEXT, IDD_WIZ_OS, "Back Next");
        Go(w, ID_WIZNEXT, IDD_WIZ_MANUAL_DOWNLOAD, "Back Finish");
        ASSERT_TRUE(Click(w.m_pageManualDownload, IDC_BROWSER_DOWNLOAD));
        ASSERT_TRUE(PressWizardButton(w, ID_WIZFINISH));
    });
    auto calls = shell.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, "http://" + host.HostAndPort() + "/vessamo-nten.exe");
    EXPECT_EQ(calls[0].directory, ModuleDirectory());
    EXPECT_EQ(dir.Read("vessamo-nten.exe"), "MZ kept for other computers");
}

TEST_F(PageWizardRoutesTest, BrowserRouteWithTheSaveBoxAndTheOtherFamilyChosenByHand) {
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "up"));
    Run([&](CInstallWizard& w) {
        Go(w, ID_WIZNEXT, IDD_WIZ_OS, "Back Next");
        ASSERT_TRUE(Click(w.m_pageOS, IDC_SELECT_MANUALLY));
        ASSERT_TRUE(Click(w.m_pageOS, IDC_WIN9X));
        ASSERT_TRUE(Click(w.m_pageOS, IDC_SAVE_INSTALL_FILE));
        Go(w, ID_WIZNEXT, IDD_WIZ_MANUAL_DOWNLOAD, "Back Finish");
        ASSERT_TRUE(Click(w.m_pageManualDownload, IDC_BROWSER_DOWNLOAD));
        // Back skips the download page.
        Go(w, ID_WIZBACK, IDD_WIZ_OS, "Back Next");
        Go(w, ID_WIZNEXT, IDD_WIZ_MANUAL_DOWNLOAD, "Back Finish");
        ASSERT_TRUE(PressWizardButton(w, ID_WIZFINISH));
    });
    auto calls = shell.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, "http://" + host.HostAndPort() + "/vessamo-w9xen.exe");
}

TEST_F(PageWizardRoutesTest, DirectRouteStartsThePackageAndDeletesItOnFinish) {
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "up"));
    dir.Write("vessamo-nten.exe", "MZ installer");  // as the download page leaves it
    dir.Write("vessamo-w9xen.exe", "MZ the other family");
    Run([&](CInstallWizard& w) {
        Go(w, ID_WIZNEXT, IDD_WIZ_OS, "Back Next");
        Go(w, ID_WIZNEXT, IDD_WIZ_DOWNLOAD, "Back Next");
        Go(w, ID_WIZNEXT, IDD_WIZ_OUTRO, "Back Finish");
        ASSERT_EQ(shell.Calls().size(), 1u);
        ASSERT_TRUE(PressWizardButton(w, ID_WIZFINISH));
        EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));  // by the page, before the exit
    });
    auto calls = shell.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, "vessamo-nten.exe");
    EXPECT_EQ(calls[0].directory, ModuleDirectory());
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
    EXPECT_EQ(dir.Read("vessamo-w9xen.exe"), "MZ the other family");
}

TEST_F(PageWizardRoutesTest, CancelAfterTheBrowserPageAndBackOnTheDirectRouteDeletesThePackage) {
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "up"));
    dir.Write("vessamo-nten.exe", "MZ installer");
    Run([&](CInstallWizard& w) {
        Go(w, ID_WIZNEXT, IDD_WIZ_OS, "Back Next");
        ASSERT_TRUE(Click(w.m_pageOS, IDC_SAVE_INSTALL_FILE));
        Go(w, ID_WIZNEXT, IDD_WIZ_MANUAL_DOWNLOAD, "Back Finish");
        EXPECT_EQ(w.m_bManualDownload, TRUE);
        Go(w, ID_WIZBACK, IDD_WIZ_OS, "Back Next");
        ASSERT_TRUE(Click(w.m_pageOS, IDC_SAVE_INSTALL_FILE));
        Go(w, ID_WIZNEXT, IDD_WIZ_DOWNLOAD, "Back Next");
        EXPECT_EQ(w.m_bManualDownload, FALSE);
        ASSERT_TRUE(PressWizardButton(w, IDCANCEL));
    });
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
}

}  // namespace
