#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/InstallWizard.h"
#include "package/OSType.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/os/VersionInfo.h"
#include "platform/ui/ModalLoop.h"
#include "support/CodedBody.h"
#include "support/PageTestSupport.h"
#include "support/ReadOnlyFolder.h"
#include "support/TestHost.h"
#include "support/TestHostPorts.h"

namespace {

using testing_support::Click;
using testing_support::Coding;
using testing_support::ControlOf;
using testing_support::HostAuth;
using testing_support::HttpReply;
using testing_support::PressWizardButton;
using testing_support::TempDir;
using testing_support::UseDownloadHost;
using testing_support::WizardButtons;

constexpr const char* kScratchPrefix = ".vessamo-connection-test-";

// The names of the files in `dir`.
std::set<std::string> FilesIn(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class PageOSTest : public testing_support::PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>up</html>"));
        UseDownloadHost(host.HostAndPort());
    }

    // Opens `wizard` and presses Next on the welcome page.
    static void OpenAtOSPage(CInstallWizard& wizard) {
        ASSERT_TRUE(wizard.Create());
        ui::PumpMessages();
        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
        ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    }
    void OpenAtOSPage() { OpenAtOSPage(wizard); }
    ui::Window& Control(int id) { return ControlOf(wizard.m_pageOS, id); }
    void Press(int id) { ASSERT_TRUE(PressWizardButton(wizard, id)); }
    // The page shows `osType` as the chosen family: its radio button alone
    // checked, its name shown, and g_nOSType set to it.
    void ExpectChosen(int osType) {
        bool nt = osType == OSTYPE_WINNT;
        EXPECT_EQ(Control(IDC_WINNT).Check(), nt ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(Control(IDC_WIN9X).Check(), nt ? BST_UNCHECKED : BST_CHECKED);
        EXPECT_EQ(Control(IDC_OS_NAME).Text(), nt ? "Windows NT/2000/XP" : "Windows 95/98/ME");
        EXPECT_EQ(g_nOSType.load(), osType);
    }
    // The template of the page Next leads to (the wizard stays open).
    UINT NextPage() {
        EXPECT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
        return wizard.GetActivePage()->GetTemplateId();
    }

    testing_support::TestHost host;
    CInstallWizard wizard;
};

TEST_F(PageOSTest, FirstDisplayOnAnNTSystemShowsTheFamilyInBoldAndLeadsToTheDownloadPage) {
    OpenAtOSPage();
    EXPECT_EQ(Control(IDC_OS_NAME).Text(), "Windows NT/2000/XP");
    EXPECT_EQ(Control(IDC_WINNT).Check(), BST_CHECKED);
    EXPECT_EQ(Control(IDC_WIN9X).Check(), BST_UNCHECKED);
    EXPECT_FALSE(Control(IDC_WINNT).IsEnabled());
    EXPECT_FALSE(Control(IDC_WIN9X).IsEnabled());
    EXPECT_EQ(Control(IDC_SELECT_MANUALLY).Check(), BST_UNCHECKED);
    EXPECT_EQ(Control(IDC_SAVE_INSTALL_FILE).Check(), BST_UNCHECKED);
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WINNT);
    EXPECT_EQ(WizardButtons(wizard), "Back Next");
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, TRUE);

    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/index.html");
    EXPECT_TRUE(FilesIn(dir.Path()).empty());  // nothing left behind

    EXPECT_EQ(NextPage(), IDD_WIZ_DOWNLOAD);
}

TEST_F(PageOSTest, TheFamilyNameIsBoldAndOneUnitLargerThanTheDialogFont) {
    OpenAtOSPage();
    LOGFONT dialogFont = wizard.m_pageOS.GetModelWindow()->Font();
    LOGFONT nameFont = Control(IDC_OS_NAME).Font();
    EXPECT_EQ(nameFont.lfWeight, FW_BOLD);
    EXPECT_EQ(nameFont.lfHeight, dialogFont.lfHeight - 1);
    EXPECT_LT(nameFont.lfHeight, 0);  // a character height: the font grew
    EXPECT_STREQ(nameFont.lfFaceName, dialogFont.lfFaceName);
    EXPECT_EQ(Control(IDC_OS_NAME).FontHandle(), wizard.m_pageOS.m_fontBold.GetSafeHandle());
    // Only the name is bold.
    EXPECT_EQ(Control(IDC_SELECT_MANUALLY).Font().lfWeight, FW_NORMAL);
    EXPECT_EQ(Control(IDC_SELECT_MANUALLY).Font().lfHeight, dialogFont.lfHeight);

    // Made once: later visits keep the same font.
    HFONT bold = Control(IDC_OS_NAME).FontHandle();
    Press(ID_WIZBACK);
    Press(ID_WIZNEXT);
    EXPECT_EQ(Control(IDC_OS_NAME).FontHandle(), bold);
}

// What Next does after each outcome of the connection test, with and
// without the save box checked.
TEST_F(PageOSTest, NextFollowsTheConnectionTestAndTheSaveBox) {
    HttpReply shortBody = HttpReply::Ok(50000);
    shortBody.closeAt = 1000;
    HttpReply hangUp;
    hangUp.hangUp = true;
    // A host that compresses whatever it is asked is reachable all the same.
    HttpReply gzip = HttpReply::Text("HTTP/1.1 200 OK",
                                     testing_support::Encoded("<html>up</html>", Coding::Gzip));
    gzip.headers = {"Content-Encoding: gzip"};
    HttpReply brotli = HttpReply::Text("HTTP/1.1 200 OK", "\x0b\x07\x80<html>up</html>\x03");
    brotli.headers = {"Content-Encoding: br"};
    HttpReply gzipCut = gzip;
    gzipCut.closeAt = gzip.body->size() / 2;
    struct Case {
        const char* name;
        std::optional<HttpReply> reply;  // none: nobody listens
        BOOL connectionOK;
    } const cases[] = {
        {"200", HttpReply::Text("HTTP/1.1 200 OK", "<html>up</html>"), TRUE},
        {"204 empty", HttpReply::Text("HTTP/1.1 204 No Content", ""), TRUE},
        {"404", HttpReply::Text("HTTP/1.1 404 Not Found", "gone"), FALSE},
        {"500", HttpReply::Text("HTTP/1.1 500 Internal Server Error", "oops"), FALSE},
        {"407 proxy", HttpReply::Text("HTTP/1.1 407 Proxy Authentication Required", ""), FALSE},
        {"gzip", gzip, TRUE},
        {"br", brotli, TRUE},
        {"closed early", shortBody, FALSE},
        {"gzip closed early", gzipCut, FALSE},
        {"hung up", hangUp, FALSE},
        {"unreachable", std::nullopt, FALSE},
    };
    for (const Case& c : cases) {
        for (bool save : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (save ? ", save box checked" : ""));
            testing_support::TestHost caseHost;
            if (c.reply) {
                caseHost.Serve("/index.html", *c.reply);
                UseDownloadHost(caseHost.HostAndPort());
            } else {
                UseDownloadHost("127.0.0.1:" +
                                std::to_string(testing_support::UnusedLoopbackPort()));
            }
            CInstallWizard caseWizard;
            OpenAtOSPage(caseWizard);
            EXPECT_EQ(caseWizard.m_pageOS.m_bConnectionOK, c.connectionOK);
            EXPECT_EQ(WizardButtons(caseWizard), "Back Next");
            EXPECT_TRUE(FilesIn(dir.Path()).empty());
            if (save) {
                ASSERT_TRUE(Click(caseWizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
            }
            ASSERT_TRUE(PressWizardButton(caseWizard, ID_WIZNEXT));
            UINT expected = c.connectionOK && !save ? IDD_WIZ_DOWNLOAD : IDD_WIZ_MANUAL_DOWNLOAD;
            EXPECT_EQ(caseWizard.GetActivePage()->GetTemplateId(), expected);
            EXPECT_EQ(caseWizard.m_bManualDownload, expected == IDD_WIZ_MANUAL_DOWNLOAD);
        }
    }
}

TEST_F(PageOSTest, TheTestDownloadsIntoAFileOfItsOwnAndLeavesTheUsersIndexHtmlAlone) {
    dir.Write("index.html", "the user's own page");
    std::vector<std::set<std::string>> seenDuringRequest;
    HttpReply reply = HttpReply::Text("HTTP/1.1 200 OK", "<html>from the host</html>");
    reply.onRequest = [&] { seenDuringRequest.push_back(FilesIn(dir.Path())); };
    host.Serve("/index.html", reply);

    OpenAtOSPage();
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, TRUE);
    EXPECT_EQ(dir.Read("index.html"), "the user's own page");
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{"index.html"});

    // While the request ran, the test's own file stood in the executable's
    // directory beside the user's.
    ASSERT_EQ(seenDuringRequest.size(), 1u);
    const std::set<std::string>& during = seenDuringRequest[0];
    ASSERT_EQ(during.size(), 2u);
    std::string scratch = *during.rbegin() == "index.html" ? *during.begin() : *during.rbegin();
    EXPECT_EQ(scratch.rfind(kScratchPrefix, 0), 0u) << scratch;
    EXPECT_GT(scratch.size(), std::string(kScratchPrefix).size());
}

TEST_F(PageOSTest, AFailedTestAlsoLeavesTheUsersIndexHtmlAlone) {
    dir.Write("index.html", "the user's own page");
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 404 Not Found", "gone"));
    OpenAtOSPage();
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, FALSE);
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{"index.html"});
    EXPECT_EQ(dir.Read("index.html"), "the user's own page");
}

TEST_F(PageOSTest, AnExecutableDirectoryThatTakesNoNewFileFailsTheTest) {
    dir.Write("index.html", "the user's own page");
    testing_support::ReadOnlyFolder readOnly(dir.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this system cannot keep new files out of a folder";
    OpenAtOSPage();
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, FALSE);
    EXPECT_EQ(host.RequestCount(), 0u);  // nowhere to put the answer: not asked
    EXPECT_EQ(NextPage(), IDD_WIZ_MANUAL_DOWNLOAD);
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{"index.html"});
}

TEST_F(PageOSTest, A401AsksForCredentialsAndTheAnswerDecidesTheRoute) {
    struct Case {
        const char* name;
        std::vector<net::Credentials> answers;  // then Cancel
        int prompts;
        UINT next;
    } const cases[] = {
        {"right credentials", {{"vessamo", "s3cret"}}, 1, IDD_WIZ_DOWNLOAD},
        {"cancelled", {}, 1, IDD_WIZ_MANUAL_DOWNLOAD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TestHost caseHost;
        HttpReply reply = HttpReply::Text("HTTP/1.1 200 OK", "<html>members</html>");
        reply.auth = HostAuth{"Downloads", "vessamo", "s3cret"};
        caseHost.Serve("/index.html", reply);
        UseDownloadHost(caseHost.HostAndPort());
        std::vector<net::CredentialRequest> asked;
        std::vector<net::Credentials> answers = c.answers;
        net::SetCredentialPrompt(
            [&](const net::CredentialRequest& request, net::Credentials& credentials) {
                asked.push_back(request);
                if (answers.empty()) return net::CredentialAnswer::Cancel;
                credentials = answers.front();
                answers.erase(answers.begin());
                return net::CredentialAnswer::Retry;
            });

        CInstallWizard caseWizard;
        OpenAtOSPage(caseWizard);
        ASSERT_EQ(static_cast<int>(asked.size()), c.prompts);
        EXPECT_EQ(asked[0].realm, "Downloads");
        EXPECT_EQ(caseWizard.m_pageOS.m_bConnectionOK, c.next == IDD_WIZ_DOWNLOAD);
        EXPECT_TRUE(FilesIn(dir.Path()).empty());
        ASSERT_TRUE(PressWizardButton(caseWizard, ID_WIZNEXT));
        EXPECT_EQ(caseWizard.GetActivePage()->GetTemplateId(), c.next);
        net::SetCredentialPrompt({});
    }
}

TEST_F(PageOSTest, TheTestRunsOnceAndLaterVisitsOnlyShowTheSelection) {
    OpenAtOSPage();
    Press(ID_WIZBACK);
    EXPECT_EQ(WizardButtons(wizard), "Next");
    Press(ID_WIZNEXT);
    EXPECT_EQ(WizardButtons(wizard), "Back Next");
    EXPECT_EQ(Control(IDC_OS_NAME).Text(), "Windows NT/2000/XP");
    EXPECT_EQ(host.RequestCount(), 1u);
}

TEST_F(PageOSTest, ChoosingByHandAndGivingItUpAgain) {
    OpenAtOSPage();
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SELECT_MANUALLY));
    EXPECT_TRUE(Control(IDC_WIN9X).IsEnabled());
    EXPECT_TRUE(Control(IDC_WINNT).IsEnabled());
    EXPECT_EQ(Control(IDC_WINNT).Check(), BST_CHECKED);  // the current choice stays
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WINNT);

    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WIN9X));
    EXPECT_EQ(Control(IDC_WIN9X).Check(), BST_CHECKED);
    EXPECT_EQ(Control(IDC_WINNT).Check(), BST_UNCHECKED);
    EXPECT_EQ(Control(IDC_OS_NAME).Text(), "Windows 95/98/ME");
    EXPECT_EQ(wizard.m_pageOS.m_strOSName, "Windows 95/98/ME");
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WIN9X);
    EXPECT_EQ(GetOSType(), OSTYPE_WIN9X);

    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WINNT));
    EXPECT_EQ(Control(IDC_OS_NAME).Text(), "Windows NT/2000/XP");
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WINNT);
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WIN9X));

    // Clearing the box: back to the detected family, choice locked again.
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SELECT_MANUALLY));
    EXPECT_FALSE(Control(IDC_WIN9X).IsEnabled());
    EXPECT_FALSE(Control(IDC_WINNT).IsEnabled());
    EXPECT_FALSE(Click(wizard.m_pageOS, IDC_WIN9X));
    ExpectChosen(OSTYPE_WINNT);
}

TEST_F(PageOSTest, AManualChoiceSurvivesBackAndNext) {
    OpenAtOSPage();
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SELECT_MANUALLY));
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WIN9X));
    Press(ID_WIZBACK);
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WIN9X);
    Press(ID_WIZNEXT);
    ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    EXPECT_EQ(Control(IDC_SELECT_MANUALLY).Check(), BST_CHECKED);
    EXPECT_TRUE(Control(IDC_WIN9X).IsEnabled());
    ExpectChosen(OSTYPE_WIN9X);

    // Also across the download page and back.
    EXPECT_EQ(NextPage(), IDD_WIZ_DOWNLOAD);
    Press(ID_WIZBACK);
    EXPECT_EQ(Control(IDC_OS_NAME).Text(), "Windows 95/98/ME");
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WIN9X);
}

TEST_F(PageOSTest, ClickingARadioButtonKeepsTheSaveBoxAsTheUserLeftIt) {
    OpenAtOSPage();
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SELECT_MANUALLY));
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WIN9X));
    EXPECT_EQ(Control(IDC_SAVE_INSTALL_FILE).Check(), BST_CHECKED);
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));  // and cleared again
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WINNT));
    EXPECT_EQ(Control(IDC_SAVE_INSTALL_FILE).Check(), BST_UNCHECKED);
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_WIN9X));
    EXPECT_EQ(NextPage(), IDD_WIZ_MANUAL_DOWNLOAD);
}

TEST_F(PageOSTest, DetectedFamiliesAndAPlatformOfNeither) {
    struct Case {
        DWORD platform;
        const char* name;
        UINT win9x, winNT;
        int osType;  // g_nOSType afterwards
    } const cases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, "Windows 95/98/ME", BST_CHECKED, BST_UNCHECKED, OSTYPE_WIN9X},
        {VER_PLATFORM_WIN32_NT, "Windows NT/2000/XP", BST_UNCHECKED, BST_CHECKED, OSTYPE_WINNT},
        {VER_PLATFORM_WIN32s, "", BST_UNCHECKED, BST_UNCHECKED, OSTYPE_AUTODETECT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.platform);
        DetectPlatform(c.platform);
        SetOSType(OSTYPE_AUTODETECT);
        CInstallWizard caseWizard;
        OpenAtOSPage(caseWizard);
        EXPECT_EQ(ControlOf(caseWizard.m_pageOS, IDC_OS_NAME).Text(), c.name);
        EXPECT_EQ(ControlOf(caseWizard.m_pageOS, IDC_WIN9X).Check(), c.win9x);
        EXPECT_EQ(ControlOf(caseWizard.m_pageOS, IDC_WINNT).Check(), c.winNT);
        EXPECT_EQ(g_nOSType.load(), c.osType);
        // Next still routes by the connection and the save box.
        ASSERT_TRUE(PressWizardButton(caseWizard, ID_WIZNEXT));
        EXPECT_EQ(caseWizard.GetActivePage()->GetTemplateId(), UINT{IDD_WIZ_DOWNLOAD});
    }
}

TEST_F(PageOSTest, ThePlatformOfNeitherFamilyOffersTheHostsRootToTheBrowser) {
    DetectPlatform(VER_PLATFORM_WIN32s);
    OpenAtOSPage();
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
    EXPECT_EQ(NextPage(), IDD_WIZ_MANUAL_DOWNLOAD);
    ASSERT_TRUE(Click(wizard.m_pageManualDownload, IDC_BROWSER_DOWNLOAD));
    auto calls = shell.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, "http://" + host.HostAndPort() + "/");
}

TEST_F(PageOSTest, TheTwoRoutesSetAndClearTheBrowserFlag) {
    OpenAtOSPage();
    EXPECT_EQ(wizard.m_bManualDownload, FALSE);
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
    EXPECT_EQ(NextPage(), IDD_WIZ_MANUAL_DOWNLOAD);
    EXPECT_EQ(wizard.m_bManualDownload, TRUE);
    Press(ID_WIZBACK);
    ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    EXPECT_EQ(Control(IDC_SAVE_INSTALL_FILE).Check(), BST_CHECKED);
    EXPECT_EQ(wizard.m_bManualDownload, TRUE);
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
    EXPECT_EQ(NextPage(), IDD_WIZ_DOWNLOAD);
    EXPECT_EQ(wizard.m_bManualDownload, FALSE);
    Press(ID_WIZBACK);
    ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
    EXPECT_EQ(NextPage(), IDD_WIZ_MANUAL_DOWNLOAD);
    EXPECT_EQ(wizard.m_bManualDownload, TRUE);
}

}  // namespace
