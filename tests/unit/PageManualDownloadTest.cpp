#include <gtest/gtest.h>

#include "app/InstallWizard.h"
#include "download/DownloadHost.h"
#include "package/OSType.h"
#include "platform/os/VersionInfo.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/PageTestSupport.h"
#include "support/seams/TestDownloadHost.h"

namespace {

using testing_support::Click;
using testing_support::ControlOf;
using testing_support::PressWizardButton;
using testing_support::WizardButtons;

class PageManualDownloadTest : public testing_support::PageTest {
  protected:
    // Opens the wizard straight at the browser-download page.
    void OpenAtBrowserPage() {
        ASSERT_TRUE(wizard.Create());
        ui::PumpMessages();
        ASSERT_TRUE(wizard.SetActivePage(4));
        ui::PumpMessages();
        ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageManualDownload);
    }

    CInstallWizard wizard;
};

TEST_F(PageManualDownloadTest, ShowsBackAndFinishAndMarksTheSheet) {
    OpenAtBrowserPage();
    EXPECT_EQ(WizardButtons(wizard), "Back Finish");
    EXPECT_EQ(wizard.m_bManualDownload, TRUE);
    EXPECT_EQ(wizard.m_pageManualDownload.OnWizardBack(), IDD_WIZ_OS);
}

TEST_F(PageManualDownloadTest, TheButtonOpensThePackageAddressOfTheSelectedFamily) {
    struct Case {
        const char* name;
        DWORD platform;
        int osType;
        const char* host;     // nullptr: the host built into the program
        const char* address;  // nullptr: the built-in host's address + "/vessamo-nten.exe"
    } const cases[] = {
        {"detected NT", VER_PLATFORM_WIN32_NT, OSTYPE_AUTODETECT, "downloads.test",
         "http://downloads.test/vessamo-nten.exe"},
        {"chosen 9x", VER_PLATFORM_WIN32_NT, OSTYPE_WIN9X, "downloads.test",
         "http://downloads.test/vessamo-w9xen.exe"},
        {"detected 9x", VER_PLATFORM_WIN32_WINDOWS, OSTYPE_AUTODETECT, "downloads.test",
         "http://downloads.test/vessamo-w9xen.exe"},
        // The host may name its port; the page adds none of its own.
        {"host with port", VER_PLATFORM_WIN32_NT, OSTYPE_WINNT, "127.0.0.1:8080",
         "http://127.0.0.1:8080/vessamo-nten.exe"},
        // An https host is handed to the browser as https, with the port it names only.
        {"https host", VER_PLATFORM_WIN32_NT, OSTYPE_WINNT, "https://downloads.test",
         "https://downloads.test/vessamo-nten.exe"},
        {"https host with port", VER_PLATFORM_WIN32_NT, OSTYPE_WIN9X, "https://127.0.0.1:8443",
         "https://127.0.0.1:8443/vessamo-w9xen.exe"},
        // Neither family: the host's root.
        {"neither family", VER_PLATFORM_WIN32s, OSTYPE_AUTODETECT, "downloads.test",
         "http://downloads.test/"},
        {"built-in host", VER_PLATFORM_WIN32_NT, OSTYPE_AUTODETECT, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::ShellOpenRecorder recorder;
        DetectPlatform(c.platform);
        SetOSType(c.osType);
        testing_support::SetDownloadHost(c.host);
        std::string address =
            c.address ? c.address : GetDownloadAddress().str() + "/vessamo-nten.exe";

        CInstallWizard browserWizard;
        ASSERT_TRUE(browserWizard.Create());
        ASSERT_TRUE(browserWizard.SetActivePage(4));
        ui::PumpMessages();
        ASSERT_TRUE(Click(browserWizard.m_pageManualDownload, IDC_BROWSER_DOWNLOAD));
        ASSERT_TRUE(Click(browserWizard.m_pageManualDownload, IDC_BROWSER_DOWNLOAD));

        auto calls = recorder.Calls();
        ASSERT_EQ(calls.size(), 2u);  // once per press
        for (const os::ShellOpenCall& call : calls) {
            EXPECT_EQ(call.verb, "open");
            EXPECT_EQ(call.file, address);
            EXPECT_EQ(call.parameters, "");
            EXPECT_EQ(call.directory, ModuleDirectory());
            EXPECT_EQ(call.show, SW_HIDE);
        }
        EXPECT_EQ(browserWizard.GetResult(), -1);  // the wizard stays open
    }
}

TEST_F(PageManualDownloadTest, FinishClosesTheWizardAndDeletesNothing) {
    dir.Write("vessamo-nten.exe", "MZ fetched earlier");
    OpenAtBrowserPage();
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZFINISH));
    EXPECT_EQ(wizard.GetResult(), ID_WIZFINISH);
    EXPECT_EQ(dir.Read("vessamo-nten.exe"), "MZ fetched earlier");
    EXPECT_TRUE(shell.Calls().empty());
}

// "< &Back" and "Download with &Browser" share their letter: Alt+B only
// moves the focus between the two, so that both stay reachable by keyboard.
TEST_F(PageManualDownloadTest, AltBMovesBetweenBackAndTheBrowserButtonWithoutPressingEither) {
    OpenAtBrowserPage();
    ui::Window& sheet = *wizard.GetModelWindow();
    ui::Window& browser = ControlOf(wizard.m_pageManualDownload, IDC_BROWSER_DOWNLOAD);
    ui::Window& back = ControlOf(wizard, ID_WIZBACK);
    ASSERT_EQ(sheet.Focus(), &browser);
    for (ui::Window* expected : {&back, &browser, &back}) {
        EXPECT_TRUE(ui::TypeCharacter('b', {.alt = true}));
        EXPECT_EQ(sheet.Focus(), expected);
        ui::PumpMessages();
        EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageManualDownload);
        EXPECT_TRUE(shell.Calls().empty());
    }
    // Enter then presses the button the letter led to.
    EXPECT_TRUE(ui::TypeCharacter('b', {.alt = true}));
    ASSERT_EQ(sheet.Focus(), &browser);
    EXPECT_TRUE(ui::PressKey(ui::Key::Enter));
    EXPECT_EQ(shell.Calls().size(), 1u);
}

}  // namespace
