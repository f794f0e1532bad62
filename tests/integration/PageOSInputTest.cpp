// Input around the operating-system page: while its connection test runs
// the wizard stays alive but takes only what cancels, and afterwards the
// keyboard moves among its check boxes and radio buttons as in any dialog.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/InstallWizard.h"
#include "download/DownloadState.h"
#include "package/OSType.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/PageTestSupport.h"
#include "support/TestHost.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::Click;
using testing_support::ControlOf;
using testing_support::HttpReply;
using testing_support::PressWizardButton;
using testing_support::UseDownloadHost;

class PageOSInputTest : public testing_support::PageTest {
  protected:
    // Makes `server` take the request and then say nothing for a minute.
    void ServeSilently(testing_support::TestHost& server) {
        HttpReply silent = HttpReply::Text("HTTP/1.1 200 OK", "<html>late</html>");
        silent.headerDelayMs = 60000;
        silent.onRequest = [this] { asked = true; };
        server.Serve("/index.html", silent);
        UseDownloadHost(server.HostAndPort());
    }
    // Opens the wizard on its welcome page and runs `during` once the
    // connection test's request has reached the host; then presses Next.
    void NextWith(std::function<void()> during) {
        ASSERT_TRUE(wizard.Create());
        ui::PumpMessages();
        env.Renderer().WhenTrue([this] { return asked.load(); },
                                [during](ui::Window&) { during(); });
        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
        EXPECT_EQ(env.Renderer().PendingActions(), 0u) << "the test never reached the host";
    }
    bool IsEmpty() const { return std::filesystem::is_empty(dir.Path()); }

    testing_support::TestHost host;
    std::atomic<bool> asked{false};
    CInstallWizard wizard;
};

TEST_F(PageOSInputTest, WhileTheTestRunsTheWindowIsBusyAndDropsInput) {
    HttpReply slow = HttpReply::Text("HTTP/1.1 200 OK", "<html>up</html>");
    slow.headerDelayMs = 100;  // before each line of the head
    slow.onRequest = [this] { asked = true; };
    host.Serve("/index.html", slow);
    UseDownloadHost(host.HostAndPort());
    ui::Window* sheet = nullptr;
    NextWith([&] {
        sheet = wizard.GetModelWindow();
        EXPECT_TRUE(sheet->IsBusy());
        EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageIntro);  // the page follows the test
        EXPECT_FALSE(Click(wizard, ID_WIZNEXT));                 // a second Next
        ASSERT_TRUE(ControlOf(wizard, ID_HELP).IsEnabled());
        EXPECT_FALSE(ui::PressKey(ui::Key::Enter));
        EXPECT_FALSE(ui::PressKey(ui::Key::Tab));
        EXPECT_FALSE(ui::PressKey(ui::Key::F1));
        EXPECT_FALSE(ui::TypeCharacter('n', {.alt = true}));
    });
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(sheet->IsBusy());
    // On the page the test led to, and no further: nothing was replayed.
    ui::PumpMessages();
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, TRUE);
    EXPECT_EQ(wizard.GetResult(), -1);
    EXPECT_TRUE(shell.Calls().empty());  // F1 opened no help
    EXPECT_EQ(host.RequestCount(), 1u);
}

// A host that answers at once ends the test sooner than a double click
// ends: the window stays busy a little longer, so the double click's second
// press on Next does not skip the page the test led to.
TEST_F(PageOSInputTest, TheSecondClickOfADoubleClickIsDroppedEvenAfterAFastTest) {
    std::atomic<bool> answered{false};
    HttpReply quick = HttpReply::Text("HTTP/1.1 200 OK", "<html>up</html>");
    quick.onBodySent = [&] { answered = true; };
    host.Serve("/index.html", quick);
    UseDownloadHost(host.HostAndPort());
    ASSERT_TRUE(wizard.Create());
    ui::PumpMessages();
    bool secondClickTaken = true;
    env.Renderer().WhenTrue([&] { return answered.load(); },
                            [&](ui::Window&) {
                                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                                secondClickTaken = Click(wizard, ID_WIZNEXT);
                            });
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
    ui::PumpMessages();
    EXPECT_FALSE(secondClickTaken);
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, TRUE);
}

TEST_F(PageOSInputTest, CancelEscapeAndTheCloseBoxEndTheTestAndTheWizardAtOnce) {
    struct Case {
        const char* name;
        std::function<bool(CInstallWizard&)> act;
    } const cases[] = {
        {"Cancel", [](CInstallWizard& w) { return Click(w, IDCANCEL); }},
        {"Escape", [](CInstallWizard&) { return ui::PressKey(ui::Key::Escape); }},
        {"close box", [](CInstallWizard& w) { return ui::CloseWindow(w.m_hWnd); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCancelled(FALSE);
        asked = false;
        testing_support::TestHost caseHost;
        ServeSilently(caseHost);
        CInstallWizard caseWizard;
        ASSERT_TRUE(caseWizard.Create());
        ui::PumpMessages();
        Clock::time_point pressed;
        env.Renderer().WhenTrue([this] { return asked.load(); },
                                [&](ui::Window&) {
                                    pressed = Clock::now();
                                    EXPECT_TRUE(c.act(caseWizard));
                                });
        ASSERT_TRUE(PressWizardButton(caseWizard, ID_WIZNEXT));
        EXPECT_LT(Clock::now() - pressed, std::chrono::seconds(1));
        EXPECT_EQ(caseWizard.GetResult(), IDCANCEL);
        EXPECT_EQ(caseWizard.m_pageOS.m_bConnectionOK, FALSE);
        EXPECT_EQ(caseWizard.GetActivePage(), &caseWizard.m_pageIntro);  // no page shown after
        EXPECT_TRUE(IsEmpty()) << "the test's scratch file was left behind";
    }
}

TEST_F(PageOSInputTest, AHostThatStaysSilentFailsTheTestWithinTwentySeconds) {
    ServeSilently(host);
    // The download's own limit for silence is longer; the test's is shorter.
    UseDownloadHost(host.HostAndPort(), {10000, 120000});
    Clock::time_point start = Clock::now();
    NextWith([] {});
    auto waited = Clock::now() - start;
    EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, FALSE);
    EXPECT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    EXPECT_GE(waited, std::chrono::milliseconds(19500));
    EXPECT_LT(waited, std::chrono::seconds(25));
    EXPECT_TRUE(IsEmpty());
}

// The radio buttons have no tab stop and share a group with both check
// boxes: Tab from a radio button goes on to the save box, never back to the
// manual box, where a Space would undo the manual choice.
TEST_F(PageOSInputTest, TabFromARadioButtonLeavesForTheNextTabStop) {
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>up</html>"));
    UseDownloadHost(host.HostAndPort());
    ASSERT_TRUE(wizard.Create());
    ui::PumpMessages();
    ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
    ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
    ui::Window& sheet = *wizard.GetModelWindow();
    auto focusId = [&] { return sheet.Focus() != nullptr ? sheet.Focus()->Id() : 0; };
    ASSERT_EQ(focusId(), IDC_SELECT_MANUALLY);
    ASSERT_TRUE(ui::PressKey(ui::Key::Space));
    ASSERT_TRUE(ui::PressKey(ui::Key::Down));  // to Windows 95/98/Me, chosen on arrival
    EXPECT_EQ(focusId(), IDC_WIN9X);
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WIN9X);

    EXPECT_TRUE(ui::PressKey(ui::Key::Tab));
    EXPECT_EQ(focusId(), IDC_SAVE_INSTALL_FILE);
    EXPECT_TRUE(ui::PressKey(ui::Key::Space));
    EXPECT_EQ(ControlOf(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE).Check(), BST_CHECKED);
    EXPECT_EQ(ControlOf(wizard.m_pageOS, IDC_SELECT_MANUALLY).Check(), BST_CHECKED);
    EXPECT_EQ(g_nOSType.load(), OSTYPE_WIN9X);

    ASSERT_TRUE(ui::FocusControl(ControlOf(wizard.m_pageOS, IDC_WINNT).Handle()));
    EXPECT_TRUE(ui::PressKey(ui::Key::Tab, {.shift = true}));
    EXPECT_EQ(focusId(), IDC_SELECT_MANUALLY);
}

}  // namespace
