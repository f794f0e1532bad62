#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/ui/Afx.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::Click;
using testing_support::ControlOf;
using ui::ControlKind;
using ui::ControlTemplate;

constexpr UINT IDD_FORM = 500;
constexpr UINT IDD_NESTED = 501;
constexpr int IDC_NAME = 101;
constexpr int IDC_AGREE = 102;
constexpr int IDC_BAR = 103;
constexpr int IDC_OPEN_NESTED = 104;
constexpr UINT WM_TICK = WM_USER + 10;

constexpr DWORD kPopup = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;
constexpr ControlTemplate kFormControls[] = {
    {ui::IDC_STATIC, ControlKind::Static, "&Name:", {7, 7, 40, 8}, 0},
    {IDC_NAME, ControlKind::Edit, "", {50, 7, 100, 12}, ui::WS_TABSTOP},
    {IDC_AGREE, ControlKind::AutoCheckBox, "I &agree", {7, 25, 100, 10}, ui::WS_TABSTOP},
    {IDC_BAR, ControlKind::ProgressBar, "", {7, 40, 150, 12}, ui::WS_BORDER},
    {IDC_OPEN_NESTED, ControlKind::PushButton, "&More...", {7, 60, 50, 14}, ui::WS_TABSTOP},
    {IDOK, ControlKind::PushButton, "OK", {60, 60, 50, 14}, ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {113, 60, 50, 14}, ui::WS_TABSTOP},
};
constexpr ui::DialogTemplate kForm{IDD_FORM,        "Form", 170,    80,
                                   "MS Sans Serif", 8,      kPopup, kFormControls};
constexpr ControlTemplate kNestedControls[] = {
    {IDOK, ControlKind::PushButton, "OK", {7, 7, 50, 14}, ui::WS_TABSTOP},
};
constexpr ui::DialogTemplate kNested{IDD_NESTED,      "Nested", 70,     30,
                                     "MS Sans Serif", 8,        kPopup, kNestedControls};

class CFormDlg : public CDialog {
  public:
    explicit CFormDlg(CWnd* parent = nullptr) : CDialog(IDD_FORM, parent) {}

    CString m_strName;
    BOOL m_bAgree = FALSE;
    CProgressCtrl m_bar;
    int m_nTicks = 0;
    int m_nNestedResult = 0;
    std::function<void()> m_onNested;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Check(pDX, IDC_AGREE, m_bAgree);
        DDX_Control(pDX, IDC_BAR, m_bar);
    }
    void OnOpenNested() {
        CDialog nested(IDD_NESTED, this);
        m_nNestedResult = nested.DoModal();
        if (m_onNested) m_onNested();
    }
    LRESULT OnTick(WPARAM, LPARAM) {
        ++m_nTicks;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFormDlg, CDialog)
ON_BN_CLICKED(IDC_OPEN_NESTED, &CFormDlg::OnOpenNested)
ON_MESSAGE(WM_TICK, &CFormDlg::OnTick)
END_MESSAGE_MAP()

class UiDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::RegisterDialogTemplate(kForm);
        ui::RegisterDialogTemplate(kNested);
    }
    ui::HeadlessRenderer& Script() { return m_env.Renderer(); }
    testing_support::UiTestEnvironment m_env;
};

TEST_F(UiDialogTest, DataExchangeMovesAllBoundMembersBothWays) {
    CFormDlg dialog;
    dialog.m_strName = "Ada";
    dialog.m_bAgree = TRUE;
    Script().WhenOpened(IDD_FORM, [&](ui::Window& window) {
        // OnInitDialog transferred the members to the controls.
        EXPECT_EQ(ControlOf(window, IDC_NAME).Text(), "Ada");
        EXPECT_EQ(ControlOf(window, IDC_AGREE).Check(), BST_CHECKED);
        EXPECT_TRUE(ui::EditText(ControlOf(window, IDC_NAME).Handle(), "Grace"));
        EXPECT_TRUE(Click(window, IDC_AGREE));
        // The members move only when asked to.
        EXPECT_EQ(dialog.m_strName, "Ada");
        ASSERT_TRUE(dialog.UpdateData(TRUE));
        EXPECT_EQ(dialog.m_strName, "Grace");
        EXPECT_EQ(dialog.m_bAgree, FALSE);
        dialog.m_strName = "Linus";
        dialog.m_bAgree = TRUE;
        ASSERT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(ControlOf(window, IDC_NAME).Text(), "Linus");
        EXPECT_EQ(ControlOf(window, IDC_AGREE).Check(), BST_CHECKED);
        EXPECT_TRUE(ui::EditText(ControlOf(window, IDC_NAME).Handle(), "Barbara"));
        EXPECT_TRUE(Click(window, IDOK));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, "Barbara");  // OnOK transferred the controls
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(UiDialogTest, CancelLeavesTheMembersAlone) {
    CFormDlg dialog;
    dialog.m_strName = "Ada";
    Script().WhenOpened(IDD_FORM, [&](ui::Window& window) {
        ui::EditText(ControlOf(window, IDC_NAME).Handle(), "changed");
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_strName, "Ada");
}

TEST_F(UiDialogTest, ControlBoundByDataExchangeTakesProgressMessages) {
    CFormDlg dialog;
    Script().WhenOpened(IDD_FORM, [&](ui::Window& window) {
        ui::Window& bar = ControlOf(window, IDC_BAR);
        dialog.m_bar.SetRange(0, 100);
        EXPECT_EQ(dialog.m_bar.SetPos(57), 0);
        EXPECT_EQ(bar.ProgressPos(), 57);
        EXPECT_EQ(dialog.m_bar.SetPos(250), 57);
        EXPECT_EQ(bar.ProgressPos(), 100);  // clamped to the range
        EXPECT_EQ(dialog.m_bar.GetPos(), 100);
        dialog.m_bar.SetRange(10, 20);
        EXPECT_EQ(bar.ProgressLow(), 10);
        EXPECT_EQ(bar.ProgressHigh(), 20);
        EXPECT_EQ(bar.ProgressPos(), 20);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    // The window is gone: the wrapper's messages go nowhere.
    EXPECT_EQ(dialog.m_bar.SetPos(5), 0);
}

TEST_F(UiDialogTest, NestedModalLoopsRunInsideEachOtherAndDisableTheOuterWindow) {
    CFormDlg dialog;
    std::vector<std::string> events;
    dialog.m_onNested = [&] { events.push_back("nested returned"); };
    Script().WhenOpened(IDD_FORM, [&](ui::Window& window) {
        events.push_back("form open");
        EXPECT_TRUE(Click(window, IDC_OPEN_NESTED));  // returns after the nested loop
        events.push_back("back in form");
        EXPECT_TRUE(window.IsEnabled());
        EXPECT_EQ(ui::ActiveWindow(), &window);
        Click(window, IDCANCEL);
    });
    Script().WhenOpened(IDD_NESTED, [&](ui::Window& nested) {
        events.push_back("nested open");
        ui::Window* form = dialog.GetModelWindow();
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->IsEnabled());
        EXPECT_EQ(ui::ActiveWindow(), &nested);
        // Input to the outer window is refused while the nested one is up.
        EXPECT_FALSE(Click(*form, IDCANCEL));
        EXPECT_FALSE(ui::CloseWindow(form->Handle()));
        // Posted messages still reach the outer dialog.
        PostMessage(form->Handle(), WM_TICK, 0, 0);
        ui::PumpMessages();
        EXPECT_EQ(dialog.m_nTicks, 1);
        Click(nested, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nNestedResult, IDOK);
    std::vector<std::string> expected{"form open", "nested open", "nested returned",
                                      "back in form"};
    EXPECT_EQ(events, expected);
}

TEST_F(UiDialogTest, MessagesPostedFromAnotherThreadArriveDuringTheModalLoop) {
    CFormDlg dialog;
    std::atomic<HWND> target{nullptr};
    constexpr int kTicks = 200;
    std::thread poster;
    Script().WhenOpened(IDD_FORM, [&](ui::Window& window) {
        target = window.Handle();
        poster = std::thread([&] {
            for (int i = 0; i < kTicks; ++i) PostMessage(target, WM_TICK, 0, 0);
        });
    });
    Script().WhenTrue([&] { return dialog.m_nTicks == kTicks; },
                      [&](ui::Window&) { dialog.EndDialog(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    poster.join();
    EXPECT_EQ(dialog.m_nTicks, kTicks);
    // After the dialog is gone, messages to it are dropped at delivery.
    PostMessage(target, WM_TICK, 0, 0);
    EXPECT_EQ(ui::PumpMessages(), 1);
    EXPECT_EQ(dialog.m_nTicks, kTicks);
    EXPECT_FALSE(IsWindow(target));
}

TEST_F(UiDialogTest, EnterEscapeAndTheCloseBox) {
    struct Case {
        const char* name;
        bool disableOk;
        bool disableCancel;
        std::function<bool()> input;
        bool accepted;
        int result;  // -1: the dialog stays open
    };
    HWND form = nullptr;
    const Case cases[] = {
        {"enter", false, false, [] { return ui::PressKey(ui::Key::Enter); }, true, IDOK},
        {"enter, OK disabled", true, false, [] { return ui::PressKey(ui::Key::Enter); }, false, -1},
        {"escape", false, false, [] { return ui::PressKey(ui::Key::Escape); }, true, IDCANCEL},
        {"escape, Cancel disabled", false, true, [] { return ui::PressKey(ui::Key::Escape); },
         false, -1},
        {"close box", false, false, [&] { return ui::CloseWindow(form); }, true, IDCANCEL},
        {"close box, Cancel disabled", false, true, [&] { return ui::CloseWindow(form); }, false,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFormDlg dialog;
        Script().WhenOpened(IDD_FORM, [&](ui::Window& window) {
            form = window.Handle();
            ControlOf(window, IDOK).SetEnabled(!c.disableOk);
            ControlOf(window, IDCANCEL).SetEnabled(!c.disableCancel);
            window.SetFocus(&ControlOf(window, IDC_NAME));  // Enter goes to the default button
            EXPECT_EQ(c.input(), c.accepted);
            if (c.result == -1) dialog.EndDialog(99);
        });
        EXPECT_EQ(dialog.DoModal(), c.result == -1 ? 99 : c.result);
    }
}

TEST_F(UiDialogTest, UnknownTemplateFailsWithoutAWindow) {
    CDialog dialog(777);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(Script().OpenedHistory().empty());
}

}  // namespace
