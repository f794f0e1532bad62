#include <gtest/gtest.h>

#include "platform/ui/Afx.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::ControlOf;
using testing_support::PressWizardButton;
using testing_support::WizardButtons;
using ui::ControlKind;
using ui::ControlTemplate;

constexpr int IDC_FIELD = 50;
constexpr int IDC_ACT = 51;
constexpr ControlTemplate kPageControls[] = {
    {IDC_FIELD, ControlKind::Static, "", {69, 14, 100, 8}, 0},
    {IDC_ACT, ControlKind::PushButton, "&Act", {69, 30, 50, 14}, ui::WS_TABSTOP},
};
constexpr DWORD kPage = ui::WS_CHILD | ui::WS_DISABLED;
constexpr ui::DialogTemplate kTemplates[] = {
    {801, "First", 200, 100, "MS Sans Serif", 8, kPage, kPageControls},
    {802, "Second", 220, 120, "MS Sans Serif", 8, kPage, kPageControls},
    {803, "Third", 200, 100, "MS Sans Serif", 8, kPage, kPageControls},
    {804, "", 200, 100, "MS Sans Serif", 8, kPage, kPageControls},
};

// A page whose answers the test sets, and which counts what it is asked.
class CTestPage : public CPropertyPage {
  public:
    explicit CTestPage(UINT id) : CPropertyPage(id) {}
    LRESULT m_next = 0;
    LRESULT m_back = 0;
    BOOL m_finish = TRUE;
    BOOL m_setActive = TRUE;
    BOOL m_killActive = TRUE;
    std::vector<DWORD> m_buttonsOnActivate;
    CString m_strField;
    int m_nInit = 0;
    int m_nActivations = 0;
    int m_nHelp = 0;
    bool m_handleHelp = false;

    BOOL OnInitDialog() override {
        ++m_nInit;
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        ++m_nActivations;
        auto* sheet = static_cast<CPropertySheet*>(GetParent());
        for (DWORD flags : m_buttonsOnActivate) sheet->SetWizardButtons(flags);
        return m_setActive && CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override { return m_killActive && CPropertyPage::OnKillActive(); }
    LRESULT OnWizardNext() override { return m_next; }
    LRESULT OnWizardBack() override { return m_back; }
    BOOL OnWizardFinish() override { return m_finish; }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_FIELD, m_strField); }
    BOOL OnCmdMsg(UINT nID, UINT nCode) override {
        if (nID == static_cast<UINT>(ID_HELP) && m_handleHelp) {
            ++m_nHelp;
            return TRUE;
        }
        return CPropertyPage::OnCmdMsg(nID, nCode);
    }
};

class CTestSheet : public CPropertySheet {
  public:
    CTestSheet() : CPropertySheet("Sheet caption") {
        for (CTestPage* page : {&m_a, &m_b, &m_c, &m_d}) AddPage(page);
        m_psh.dwFlags |= PSH_WIZARD;
    }
    CTestPage m_a{801}, m_b{802}, m_c{803}, m_d{804};
    int m_nHelp = 0;
    void OnHelp() { ++m_nHelp; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestSheet, CPropertySheet)
ON_COMMAND(ID_HELP, &CTestSheet::OnHelp)
END_MESSAGE_MAP()

class CHelpApp : public CWinApp {
  public:
    int m_nHelp = 0;
    void OnAppHelp() { ++m_nHelp; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHelpApp, CWinApp)
ON_COMMAND(ID_HELP, &CHelpApp::OnAppHelp)
END_MESSAGE_MAP()

class SheetNavigationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::RegisterDialogTemplates(kTemplates);
        ASSERT_TRUE(m_sheet.Create());
        ui::PumpMessages();
    }
    void TearDown() override { m_sheet.DestroyWindow(); }
    int Active() { return m_sheet.GetActiveIndex(); }
    bool Press(int id) { return PressWizardButton(m_sheet, id); }

    testing_support::UiTestEnvironment m_env;
    CHelpApp m_app;  // constructed before the pages, so they have help
    CTestSheet m_sheet;
};

TEST_F(SheetNavigationTest, NextAndBackFollowTheAnswersOfThePages) {
    struct Step {
        const char* what;
        CTestPage* page;
        LRESULT next, back;
        int press;
        int expected;
    } const steps[] = {
        {"0 goes to the following page", &m_sheet.m_a, 0, 0, ID_WIZNEXT, 1},
        {"-1 stays", &m_sheet.m_b, -1, 0, ID_WIZNEXT, 1},
        {"a template jumps", &m_sheet.m_b, 804, 0, ID_WIZNEXT, 3},
        {"0 goes back to the preceding page", &m_sheet.m_d, 0, 0, ID_WIZBACK, 2},
        {"a template jumps back", &m_sheet.m_c, 0, 801, ID_WIZBACK, 0},
        {"an unknown template stays", &m_sheet.m_a, 999, 0, ID_WIZNEXT, 0},
        {"-1 stays on Back", &m_sheet.m_a, 0, -1, ID_WIZBACK, 0},
        {"no page before the first", &m_sheet.m_a, 0, 0, ID_WIZBACK, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.page->m_next = step.next;
        step.page->m_back = step.back;
        Press(step.press);
        EXPECT_EQ(Active(), step.expected);
    }
    // A page that refuses to be left keeps the wizard where it is.
    m_sheet.m_a.m_killActive = FALSE;
    m_sheet.m_a.m_next = 0;
    Press(ID_WIZNEXT);
    EXPECT_EQ(Active(), 0);
}

TEST_F(SheetNavigationTest, APageThatRefusesActivationIsSkippedInTheDirectionOfTravel) {
    m_sheet.m_b.m_setActive = FALSE;
    Press(ID_WIZNEXT);
    EXPECT_EQ(Active(), 2);
    Press(ID_WIZBACK);
    EXPECT_EQ(Active(), 0);
}

TEST_F(SheetNavigationTest, TitleIsTheCurrentPagesCaptionElseTheSheets) {
    ui::Window& sheet = *m_sheet.GetModelWindow();
    EXPECT_EQ(sheet.Text(), "First");
    m_sheet.m_a.m_next = 802;
    Press(ID_WIZNEXT);
    EXPECT_EQ(sheet.Text(), "Second");
    m_sheet.m_b.m_next = 804;
    Press(ID_WIZNEXT);
    EXPECT_EQ(sheet.Text(), "Sheet caption");  // page 804 has no caption
}

TEST_F(SheetNavigationTest, SeveralButtonSettingsInOneTurnEndWithTheLast) {
    m_sheet.m_b.m_buttonsOnActivate = {PSWIZB_NEXT, PSWIZB_BACK | PSWIZB_NEXT,
                                       PSWIZB_BACK | PSWIZB_FINISH};
    m_sheet.m_c.m_buttonsOnActivate = {PSWIZB_BACK | PSWIZB_FINISH, PSWIZB_BACK};
    ASSERT_TRUE(ui::ClickControl(ControlOf(m_sheet, ID_WIZNEXT).Handle()));
    // Posted, not sent: nothing changed before the queue is pumped.
    EXPECT_EQ(WizardButtons(m_sheet), "Back Next");
    ui::PumpMessages();
    EXPECT_EQ(WizardButtons(m_sheet), "Back Finish");
    EXPECT_FALSE(ControlOf(m_sheet, ID_WIZNEXT).IsVisible());
    m_sheet.m_b.m_next = 0;
    m_sheet.SetActivePage(2);
    ui::PumpMessages();
    EXPECT_EQ(WizardButtons(m_sheet), "Back");
    EXPECT_TRUE(ControlOf(m_sheet, ID_WIZNEXT).IsVisible());
}

TEST_F(SheetNavigationTest, PageWindowsAreCreatedOnTheFirstVisitAndKept) {
    EXPECT_EQ(m_sheet.m_b.GetModelWindow(), nullptr);
    Press(ID_WIZNEXT);
    Press(ID_WIZBACK);
    Press(ID_WIZNEXT);
    EXPECT_EQ(m_sheet.m_b.m_nInit, 1);
    EXPECT_EQ(m_sheet.m_b.m_nActivations, 2);
    EXPECT_NE(m_sheet.m_b.GetModelWindow(), nullptr);
    EXPECT_FALSE(m_sheet.m_a.GetModelWindow()->IsVisible());
    EXPECT_TRUE(m_sheet.m_b.GetModelWindow()->IsEnabled());  // the template says disabled
}

TEST_F(SheetNavigationTest, ActivationTransfersMembersToControlsEveryTimeButTheFirst) {
    CTestPage& b = m_sheet.m_b;
    b.m_strField = "from init";
    Press(ID_WIZNEXT);
    EXPECT_EQ(ControlOf(b, IDC_FIELD).Text(), "from init");
    // Leaving transfers the controls to the members.
    ControlOf(b, IDC_FIELD).SetText("typed");
    Press(ID_WIZBACK);
    EXPECT_EQ(b.m_strField, "typed");
    b.m_strField = "changed while away";
    Press(ID_WIZNEXT);
    EXPECT_EQ(ControlOf(b, IDC_FIELD).Text(), "changed while away");
}

TEST_F(SheetNavigationTest, FinishAndCancelEndTheWizard) {
    m_sheet.m_a.m_finish = FALSE;
    m_sheet.m_a.m_buttonsOnActivate = {PSWIZB_FINISH};
    m_sheet.SetActivePage(0);
    ui::PumpMessages();
    Press(ID_WIZFINISH);
    EXPECT_EQ(m_sheet.GetResult(), -1);  // the page said no
    m_sheet.m_a.m_finish = TRUE;
    Press(ID_WIZFINISH);
    EXPECT_EQ(m_sheet.GetResult(), ID_WIZFINISH);
}

TEST_F(SheetNavigationTest, HelpGoesToThePageThenTheSheetThenTheApplication) {
    ui::Window& help = ControlOf(m_sheet, ID_HELP);
    ASSERT_TRUE(help.IsVisible());
    m_sheet.m_a.m_handleHelp = true;
    Press(ID_HELP);
    EXPECT_EQ(m_sheet.m_a.m_nHelp, 1);
    EXPECT_EQ(m_sheet.m_nHelp, 0);
    m_sheet.m_a.m_handleHelp = false;
    Press(ID_HELP);
    EXPECT_EQ(m_sheet.m_nHelp, 1);
    EXPECT_EQ(m_app.m_nHelp, 0);  // the sheet took it first
}

TEST_F(SheetNavigationTest, TabReachesThePageAndThenTheSheetButtons) {
    ui::Window& sheet = *m_sheet.GetModelWindow();
    ASSERT_NE(sheet.Focus(), nullptr);
    EXPECT_EQ(sheet.Focus()->Id(), IDC_ACT);
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) {
        ui::PressKey(ui::Key::Tab);
        order.push_back(sheet.Focus()->Id());
    }
    // No page set the buttons: the sheet starts with Back and Next.
    EXPECT_EQ(order, (std::vector<int>{ID_WIZBACK, ID_WIZNEXT, IDCANCEL, ID_HELP, IDC_ACT}));
}

TEST_F(SheetNavigationTest, ModalRunEndsWithTheButtonThatClosedIt) {
    m_sheet.DestroyWindow();
    m_env.Renderer().WhenOpened(ui::kAnySheet, [&](ui::Window&) {
        // Enter presses the focused push button of the page...
        EXPECT_TRUE(ui::PressKey(ui::Key::Enter));
        EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
        // ...and, with none usable, the default button: Next.
        ControlOf(m_sheet.m_a, IDC_ACT).SetEnabled(false);
        EXPECT_TRUE(ui::PressKey(ui::Key::Enter));
        EXPECT_EQ(m_sheet.GetActiveIndex(), 1);
        EXPECT_TRUE(ui::PressKey(ui::Key::Escape));
    });
    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(m_sheet.m_hWnd, nullptr);
    EXPECT_EQ(m_sheet.m_b.m_hWnd, nullptr);
    CPropertySheet notWizard("plain");
    EXPECT_EQ(notWizard.DoModal(), -1);
}

TEST_F(SheetNavigationTest, F1OpensHelpOnEveryPageThatShowsIt) {
    ui::Window& sheet = *m_sheet.GetModelWindow();
    ui::Window* focus = sheet.Focus();
    EXPECT_TRUE(ui::PressKey(ui::Key::F1));
    EXPECT_EQ(m_sheet.m_nHelp, 1);
    EXPECT_EQ(sheet.Focus(), focus);  // the focus stays where it was
    // A page without help greys the button, and F1 does nothing there.
    m_sheet.m_b.m_psp.dwFlags &= ~PSP_HASHELP;
    ASSERT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), 1);
    EXPECT_FALSE(ui::PressKey(ui::Key::F1));
    EXPECT_EQ(m_sheet.m_nHelp, 1);
    ASSERT_TRUE(Press(ID_WIZNEXT));
    EXPECT_TRUE(ui::PressKey(ui::Key::F1));
    EXPECT_EQ(m_sheet.m_nHelp, 2);
}

}  // namespace
