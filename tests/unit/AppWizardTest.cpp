#include <gtest/gtest.h>

#include <filesystem>

#include "app/InstallWizard.h"
#include "app/InstallerApp.h"
#include "app/OutsideServices.h"
#include "download/DownloadHost.h"
#include "package/OSType.h"
#include "package/Paths.h"
#include "package/WizardFiles.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalLoop.h"
#include "support/PageTestSupport.h"
#include "support/TestHost.h"
#include "support/UiTestSupport.h"
#include "support/seams/TestDownloadHost.h"

namespace {

using testing_support::ControlOf;
using testing_support::PressWizardButton;
using testing_support::WizardButtons;

constexpr const char* kPageCaption = "K7 Vessamo Download Wizard";

class AppWizardTest : public testing_support::PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        // The operating-system page tests the connection on its first visit.
        host.Serve("/index.html", testing_support::HttpReply::Text("HTTP/1.1 200 OK", "ok"));
        testing_support::UseDownloadHost(host.HostAndPort());
    }

    testing_support::TestHost host;
};

TEST_F(AppWizardTest, ConstructionFixesPageOrderWizardModeAndTheFlag) {
    CInstallWizard wizard;
    ASSERT_EQ(wizard.GetPageCount(), 5);
    EXPECT_EQ(wizard.GetPage(0), &wizard.m_pageIntro);
    EXPECT_EQ(wizard.GetPage(1), &wizard.m_pageOS);
    EXPECT_EQ(wizard.GetPage(2), &wizard.m_pageDownload);
    EXPECT_EQ(wizard.GetPage(3), &wizard.m_pageOutro);
    EXPECT_EQ(wizard.GetPage(4), &wizard.m_pageManualDownload);
    const UINT templates[] = {104, 105, 106, 107, 130};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(wizard.GetPage(i)->GetTemplateId(), templates[i]);
    EXPECT_NE(wizard.m_psh.dwFlags & PSH_WIZARD, 0u);
    EXPECT_EQ(wizard.m_bManualDownload, FALSE);
    EXPECT_EQ(wizard.GetCaption(), "Wizard");
}

// The whole bare wizard, walked the way a user walks it.
TEST_F(AppWizardTest, WalksTheFivePageSheetWithNextBackAndFinish) {
    dir.Write("vessamo-nten.exe", "MZ");  // downloaded already: Next is offered
    CInstallWizard wizard;
    ASSERT_TRUE(wizard.Create());
    ui::PumpMessages();
    ui::Window& sheet = *wizard.GetModelWindow();

    struct Step {
        int press;  // 0: look only
        CPropertyPage* page;
        const char* buttons;
    } const steps[] = {
        {0, &wizard.m_pageIntro, "Next"},
        {ID_WIZNEXT, &wizard.m_pageOS, "Back Next"},
        {ID_WIZBACK, &wizard.m_pageIntro, "Next"},
        {ID_WIZNEXT, &wizard.m_pageOS, "Back Next"},
        {ID_WIZNEXT, &wizard.m_pageDownload, "Back Next"},
        {ID_WIZNEXT, &wizard.m_pageOutro, "Back Finish"},
        {ID_WIZBACK, &wizard.m_pageDownload, "Back Next"},
        {ID_WIZNEXT, &wizard.m_pageOutro, "Back Finish"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.buttons);
        if (step.press != 0) {
            ASSERT_TRUE(PressWizardButton(wizard, step.press));
        }
        EXPECT_EQ(wizard.GetActivePage(), step.page);
        EXPECT_EQ(WizardButtons(wizard), step.buttons);
        EXPECT_EQ(sheet.Text(), kPageCaption);
        // Exactly the current page is shown.
        for (int i = 0; i < wizard.GetPageCount(); ++i) {
            ui::Window* page = wizard.GetPage(i)->GetModelWindow();
            EXPECT_EQ(page != nullptr && page->IsVisible(), wizard.GetPage(i) == step.page);
        }
    }
    // Finish stands in place of Next and is the button Enter presses.
    EXPECT_FALSE(ControlOf(wizard, ID_WIZNEXT).IsVisible());
    EXPECT_TRUE(ControlOf(wizard, ID_WIZFINISH).IsDefaultButton());
    EXPECT_EQ(wizard.GetResult(), -1);
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZFINISH));
    EXPECT_EQ(wizard.GetResult(), ID_WIZFINISH);
    wizard.DestroyWindow();
}

TEST_F(AppWizardTest, WithoutThePackageTheDownloadPageOffersBackOnly) {
    CInstallWizard wizard;
    ASSERT_TRUE(wizard.Create());
    ui::PumpMessages();
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageDownload);
    EXPECT_EQ(WizardButtons(wizard), "Back");
    EXPECT_FALSE(PressWizardButton(wizard, ID_WIZNEXT));
    // Next, which had the focus, is disabled: the focus goes to the page's
    // Download button, not to Cancel, so Enter cannot end the wizard.
    ui::Window* focus = wizard.GetModelWindow()->Focus();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->Id(), IDC_DOWNLOAD);
    // Enter presses Download instead; the download (from a host that refuses
    // at once) fails, and its progress window closes by itself.
    testing_support::SetDownloadHost("127.0.0.1:1");
    ui::PressKey(ui::Key::Enter);
    ui::PumpMessages();
    testing_support::SetDownloadHost(nullptr);
    EXPECT_NE(wizard.m_pageDownload.m_strMessage.Find("cannot connect to the download host"), -1);
    EXPECT_EQ(wizard.GetResult(), -1);
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageDownload);
    wizard.DestroyWindow();
}

TEST_F(AppWizardTest, BrowserPageMarksTheSheetAndBackLeadsToTheOperatingSystemPage) {
    CInstallWizard wizard;
    ASSERT_TRUE(wizard.Create());
    ASSERT_TRUE(wizard.SetActivePage(4));
    ui::PumpMessages();
    EXPECT_EQ(WizardButtons(wizard), "Back Finish");
    EXPECT_EQ(wizard.m_bManualDownload, TRUE);
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZBACK));
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    EXPECT_EQ(wizard.m_bManualDownload, TRUE);  // still the later route entered
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageDownload);
    EXPECT_EQ(wizard.m_bManualDownload, FALSE);
    wizard.DestroyWindow();
}

TEST_F(AppWizardTest, HelpOpensTheSupportPageThroughTheShell) {
    CInstallWizard wizard;
    ASSERT_TRUE(wizard.Create());
    ui::PumpMessages();
    ui::Window& help = ControlOf(wizard, ID_HELP);
    ASSERT_TRUE(help.IsVisible());
    ASSERT_TRUE(help.IsEnabled());
    ASSERT_TRUE(ui::ClickControl(help.Handle()));
    auto calls = shell.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].verb, "open");
    EXPECT_EQ(calls[0].file,
              "http://" + GetVendorHost().str() + "/support/vessamo/installation.php");
    EXPECT_EQ(calls[0].parameters, "");
    EXPECT_EQ(calls[0].directory, GetModuleDirectory().str());
    EXPECT_EQ(calls[0].show, SW_HIDE);
    EXPECT_FALSE(GetVendorHost().IsEmpty());
    EXPECT_EQ(wizard.GetResult(), -1);  // help leaves the wizard open
    wizard.DestroyWindow();
}

TEST_F(AppWizardTest, EscapeAndTheCloseBoxCancelTheWizard) {
    for (bool useCloseBox : {false, true}) {
        CInstallWizard wizard;
        ASSERT_TRUE(wizard.Create());
        ui::PumpMessages();
        if (useCloseBox) {
            ASSERT_TRUE(ui::CloseWindow(wizard.m_hWnd));
        } else {
            ASSERT_TRUE(ui::PressKey(ui::Key::Escape));
        }
        EXPECT_EQ(wizard.GetResult(), IDCANCEL);
        wizard.DestroyWindow();
    }
}

// InitInstance runs the wizard modally; the script answers it.
class AppInitInstanceTest : public AppWizardTest {
  protected:
    // Runs theApp.InitInstance with `script` acting on the open wizard.
    BOOL RunWith(std::function<void(CInstallWizard&)> script) {
        env.Renderer().WhenOpened(ui::kAnySheet, [&](ui::Window& sheet) {
            auto* wizard = dynamic_cast<CInstallWizard*>(CWnd::FromHandle(sheet.Handle()));
            ASSERT_NE(wizard, nullptr);
            EXPECT_EQ(theApp.m_pMainWnd, wizard);
            script(*wizard);
        });
        BOOL result = theApp.InitInstance();
        EXPECT_EQ(env.Renderer().PendingActions(), 0u);
        return result;
    }
    void Press(CInstallWizard& wizard, int id) { ASSERT_TRUE(PressWizardButton(wizard, id)); }
};

TEST_F(AppInitInstanceTest, CancelOnTheWelcomePageWithNoPackageDeletesNothing) {
    dir.Write("unrelated.txt", "keep");
    EXPECT_EQ(RunWith([&](CInstallWizard& w) { Press(w, IDCANCEL); }), FALSE);
    EXPECT_TRUE(dir.Exists("unrelated.txt"));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

TEST_F(AppInitInstanceTest, PackageOfTheCurrentFamilyIsDeletedAtExitAndTheOtherIsKept) {
    dir.Write("vessamo-nten.exe", "MZ nt");
    dir.Write("vessamo-w9xen.exe", "MZ 9x");
    ASSERT_EQ(GetOSType(), OSTYPE_WINNT);
    RunWith([&](CInstallWizard& w) { Press(w, IDCANCEL); });
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
    EXPECT_TRUE(dir.Exists("vessamo-w9xen.exe"));
}

TEST_F(AppInitInstanceTest, FinishOnTheCompletionPageDeletesThePackage) {
    dir.Write("vessamo-nten.exe", "MZ nt");  // as after a download
    RunWith([&](CInstallWizard& w) {
        for (int i = 0; i < 3; ++i) Press(w, ID_WIZNEXT);
        ASSERT_EQ(w.GetActivePage(), &w.m_pageOutro);
        Press(w, ID_WIZFINISH);
    });
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
}

TEST_F(AppInitInstanceTest, NothingIsDeletedAfterTheBrowserRoute) {
    dir.Write("vessamo-nten.exe", "MZ nt");
    RunWith([&](CInstallWizard& w) {
        Press(w, ID_WIZNEXT);
        ASSERT_TRUE(w.SetActivePage(4));
        ui::PumpMessages();
        Press(w, ID_WIZFINISH);
    });
    EXPECT_TRUE(dir.Exists("vessamo-nten.exe"));
}

TEST_F(AppInitInstanceTest, TheLaterOfTheTwoRoutesDecides) {
    dir.Write("vessamo-nten.exe", "MZ nt");
    RunWith([&](CInstallWizard& w) {
        ASSERT_TRUE(w.SetActivePage(4));
        ui::PumpMessages();
        Press(w, ID_WIZBACK);
        Press(w, ID_WIZNEXT);  // the download page: the direct route again
        ASSERT_TRUE(ui::PressKey(ui::Key::Escape));
    });
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
}

// A second wizard in a folder where one runs says so and ends: no sheet,
// no clean-up, no file touched.
TEST_F(AppInitInstanceTest, ASecondWizardInTheFolderSaysSoAndTouchesNothing) {
    dir.Write("vessamo-nten.exe", "MZ being run by the first");
    dir.Write(".vessamo-download-Ab12Cd", "the first one's download");
    os::FolderLock first = LockWizardFolder();
    ASSERT_EQ(first.GetState(), os::FolderLock::State::Held);
    std::string told;
    env.Renderer().WhenOpened(ui::IDD_MESSAGE_BOX, [&](ui::Window& box) {
        EXPECT_EQ(box.Text(), kPageCaption);
        told = ControlOf(box, ui::IDC_MESSAGE_BOX_TEXT).Text().str();
        ASSERT_TRUE(ui::PressKey(ui::Key::Enter));
    });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_EQ(told, "K7 Vessamo Download Wizard is already running from this folder.");
    EXPECT_EQ(env.Renderer().OpenedHistory(), std::vector<UINT>{ui::IDD_MESSAGE_BOX});
    EXPECT_EQ(dir.Read("vessamo-nten.exe"), "MZ being run by the first");
    EXPECT_EQ(dir.Read(".vessamo-download-Ab12Cd"), "the first one's download");
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

// The lock is held for the whole run and released at its end; leftovers
// of crashed runs are gone before the wizard shows.
TEST_F(AppInitInstanceTest, HoldsTheFolderWhileItRunsAndClearsLeftoversFirst) {
    dir.Write(".vessamo-download-Ab12Cd", "crashed run");
    dir.Write(".vessamo-connection-test-Q1w2E3", "");
    dir.Write("notes.txt", "the user's");
    RunWith([&](CInstallWizard& w) {
        EXPECT_FALSE(dir.Exists(".vessamo-download-Ab12Cd"));
        EXPECT_FALSE(dir.Exists(".vessamo-connection-test-Q1w2E3"));
        EXPECT_EQ(LockWizardFolder().GetState(), os::FolderLock::State::HeldByOther);
        Press(w, IDCANCEL);
    });
    EXPECT_EQ(dir.Read("notes.txt"), "the user's");
    EXPECT_EQ(LockWizardFolder().GetState(), os::FolderLock::State::Held);
}

// Where no lock can be had, the wizard runs, but removes nothing: a
// running wizard's files cannot be told from leftovers then.
// A folder under the lock file's name is left alone; the wizard holds the
// folder itself instead, and so may clear what crashed runs left.
TEST_F(AppInitInstanceTest, AFolderAtTheLockNameStillLetsOneWizardHoldTheFolder) {
    ASSERT_TRUE(
        std::filesystem::create_directory(testing_support::FsPath(dir.File(kFolderLockName))));
    dir.Write(".vessamo-download-Ab12Cd", "a crashed run's");
    bool shown = false;
    RunWith([&](CInstallWizard& w) {
        shown = true;
        Press(w, IDCANCEL);
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(dir.Exists(".vessamo-download-Ab12Cd"));
    EXPECT_TRUE(std::filesystem::is_directory(testing_support::FsPath(dir.File(kFolderLockName))));
}

}  // namespace
