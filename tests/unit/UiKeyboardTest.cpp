#include <gtest/gtest.h>

#include "platform/ui/Afx.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::ControlOf;
using ui::ControlKind;
using ui::ControlTemplate;
using ui::Key;

constexpr UINT IDD_KEYS = 700;
constexpr DWORD kPopup = ui::WS_POPUP | ui::WS_CAPTION;
constexpr ControlTemplate kControls[] = {
    {ui::IDC_STATIC, ControlKind::Static, "&Name:", {7, 7, 40, 8}, 0},
    {1, ControlKind::Edit, "", {50, 7, 100, 12}, ui::WS_TABSTOP},
    {2, ControlKind::AutoCheckBox, "&Keep", {7, 25, 60, 10}, ui::WS_TABSTOP},
    {3, ControlKind::AutoRadioButton, "&Left", {7, 37, 60, 10}, 0},
    {4, ControlKind::AutoRadioButton, "&Right", {7, 49, 60, 10}, 0},
    {5, ControlKind::PushButton, "&Apply", {7, 62, 50, 14}, ui::WS_TABSTOP | ui::WS_DISABLED},
    {6, ControlKind::PushButton, "&Go && stay", {60, 62, 50, 14}, ui::WS_TABSTOP},
    {IDOK, ControlKind::PushButton, "OK", {113, 62, 50, 14}, ui::WS_TABSTOP},
};
constexpr ui::DialogTemplate kKeys{IDD_KEYS,        "Keys", 170,    80,
                                   "MS Sans Serif", 8,      kPopup, kControls};

class CKeysDlg : public CDialog {
  public:
    CKeysDlg() : CDialog(IDD_KEYS) {}
    int m_nGo = 0;
    int m_nCancel = 0;
    void OnGo() { ++m_nGo; }
    void OnCancel() override {
        ++m_nCancel;
        CDialog::OnCancel();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKeysDlg, CDialog)
ON_BN_CLICKED(6, &CKeysDlg::OnGo)
END_MESSAGE_MAP()

// A letter that a label and a button share, and one that a disabled button
// shares too.
constexpr UINT IDD_SHARED = 701;
constexpr ControlTemplate kSharedControls[] = {
    {ui::IDC_STATIC, ControlKind::Static, "&Find:", {7, 7, 40, 8}, 0},
    {11, ControlKind::Edit, "", {50, 7, 100, 12}, ui::WS_TABSTOP},
    {12, ControlKind::PushButton, "&Fetch", {7, 25, 50, 14}, ui::WS_TABSTOP},
    {13, ControlKind::PushButton, "Fo&rward", {60, 25, 50, 14}, ui::WS_TABSTOP},
    {14, ControlKind::PushButton, "&Flag", {113, 25, 50, 14}, ui::WS_TABSTOP | ui::WS_DISABLED},
    {IDOK, ControlKind::PushButton, "OK", {113, 45, 50, 14}, ui::WS_TABSTOP},
};
constexpr ui::DialogTemplate kShared{IDD_SHARED,      "Shared", 170,    65,
                                     "MS Sans Serif", 8,        kPopup, kSharedControls};

class CSharedDlg : public CDialog {
  public:
    CSharedDlg() : CDialog(IDD_SHARED) {}
    int m_nFetch = 0;
    int m_nForward = 0;
    void OnFetch() { ++m_nFetch; }
    void OnForward() { ++m_nForward; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSharedDlg, CDialog)
ON_BN_CLICKED(12, &CSharedDlg::OnFetch)
ON_BN_CLICKED(13, &CSharedDlg::OnForward)
END_MESSAGE_MAP()

class UiKeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::RegisterDialogTemplate(kKeys); }
    // Runs the dialog with `body` acting on it, then cancels it.
    void Run(std::function<void(CKeysDlg&, ui::Window&)> body) {
        CKeysDlg dialog;
        int result = m_env.RunModal(dialog, [&](ui::Window& window) {
            body(dialog, window);
            if (dialog.GetModelWindow() != nullptr) dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    static int FocusId(ui::Window& window) { return window.Focus() ? window.Focus()->Id() : 0; }
    testing_support::UiTestEnvironment m_env;
};

TEST_F(UiKeyboardTest, TabFollowsTemplateOrderOverEnabledTabStops) {
    Run([&](CKeysDlg&, ui::Window& w) {
        EXPECT_EQ(FocusId(w), 1);  // the first tab stop when the dialog opens
        std::vector<int> order;
        for (int i = 0; i < 5; ++i) {
            ui::PressKey(Key::Tab);
            order.push_back(FocusId(w));
        }
        EXPECT_EQ(order, (std::vector<int>{2, 6, IDOK, 1, 2}));  // no radio, no disabled Apply
        ui::PressKey(Key::Tab, {.shift = true});
        EXPECT_EQ(FocusId(w), 1);
        ui::PressKey(Key::Tab, {.shift = true});
        EXPECT_EQ(FocusId(w), IDOK);
    });
}

TEST_F(UiKeyboardTest, MnemonicsClickButtonsAndLabelsPassTheFocusOn) {
    Run([&](CKeysDlg& dialog, ui::Window& w) {
        ASSERT_TRUE(ui::PressKey(Key::Tab));  // focus on the check box, away from the edit
        EXPECT_TRUE(ui::TypeCharacter('k', {.alt = true}));
        EXPECT_EQ(ControlOf(w, 2).Check(), BST_CHECKED);
        EXPECT_TRUE(ui::TypeCharacter('G'));  // plain letter, focus not in an edit field
        EXPECT_EQ(dialog.m_nGo, 1);
        EXPECT_FALSE(ui::TypeCharacter('a', {.alt = true}));  // Apply is disabled
        EXPECT_FALSE(ui::TypeCharacter('s', {.alt = true}));  // "&&" is no mnemonic
        EXPECT_TRUE(ui::TypeCharacter('r', {.alt = true}));
        EXPECT_EQ(ControlOf(w, 4).Check(), BST_CHECKED);
        EXPECT_TRUE(ui::TypeCharacter('n', {.alt = true}));  // the label gives focus to the edit
        EXPECT_EQ(FocusId(w), 1);
        EXPECT_TRUE(ui::TypeCharacter('x'));  // now typing goes into the edit field
        EXPECT_TRUE(ui::TypeCharacter('y'));
        EXPECT_EQ(ControlOf(w, 1).Text(), "xy");
    });
}

TEST_F(UiKeyboardTest, ArrowsMoveWithinTheGroupAndSpaceClicks) {
    Run([&](CKeysDlg& dialog, ui::Window& w) {
        ASSERT_TRUE(ui::FocusControl(ControlOf(w, 2).Handle()));
        EXPECT_TRUE(ui::PressKey(Key::Space));
        EXPECT_EQ(ControlOf(w, 2).Check(), BST_CHECKED);
        EXPECT_TRUE(ui::PressKey(Key::Down));
        EXPECT_EQ(FocusId(w), 3);
        EXPECT_EQ(ControlOf(w, 3).Check(), BST_CHECKED);
        EXPECT_TRUE(ui::PressKey(Key::Down));
        EXPECT_EQ(ControlOf(w, 4).Check(), BST_CHECKED);
        EXPECT_EQ(ControlOf(w, 3).Check(), BST_UNCHECKED);
        EXPECT_TRUE(ui::PressKey(Key::Up));
        EXPECT_EQ(ControlOf(w, 3).Check(), BST_CHECKED);
        ASSERT_TRUE(ui::FocusControl(ControlOf(w, 6).Handle()));
        EXPECT_TRUE(ui::PressKey(Key::Space));
        EXPECT_EQ(dialog.m_nGo, 1);
        // Enter presses the focused push button rather than OK.
        EXPECT_TRUE(ui::PressKey(Key::Enter));
        EXPECT_EQ(dialog.m_nGo, 2);
        EXPECT_FALSE(ui::FocusControl(ControlOf(w, 5).Handle()));  // disabled
    });
}

TEST_F(UiKeyboardTest, InputOutsideTheActiveWindowIsRefused) {
    CKeysDlg dialog;
    HWND stale = nullptr;
    int result = m_env.RunModal(dialog, [&](ui::Window& w) {
        stale = ControlOf(w, 6).Handle();
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(ui::ClickControl(stale));
    EXPECT_FALSE(ui::PressKey(Key::Enter));
    EXPECT_EQ(ui::ActiveWindow(), nullptr);
    EXPECT_EQ(dialog.m_nGo, 0);
}

TEST_F(UiKeyboardTest, TabFromAnywhereGoesToTheNextTabStopAfterTheFocus) {
    // The check box and the two radio buttons form one group; only the
    // check box is a tab stop, so Tab from a radio button leaves the group
    // instead of going back to the check box.
    struct Case {
        int from;
        bool shift;
        int expected;
    } const cases[] = {
        {3, false, 6}, {4, false, 6}, {3, true, 2}, {4, true, 2}, {2, false, 6}, {6, true, 2},
    };
    Run([&](CKeysDlg&, ui::Window& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "from " << c.from << (c.shift ? " with Shift" : ""));
            ASSERT_TRUE(ui::FocusControl(ControlOf(w, c.from).Handle()));
            EXPECT_TRUE(ui::PressKey(Key::Tab, {.shift = c.shift}));
            EXPECT_EQ(FocusId(w), c.expected);
        }
    });
}

TEST_F(UiKeyboardTest, ALetterThatSeveralControlsMarkMovesTheFocusAmongThemAndPressesNothing) {
    ui::RegisterDialogTemplate(kShared);
    struct Step {
        int from;
        char letter;
        int focus;  // afterwards
        int fetches, forwards;
    } const steps[] = {
        {IDOK, 'f', 11, 0, 0},  // wraps round to the label, which hands on to its field
        {11, 'f', 12, 0, 0},    // the next owner after the field: Fetch, not pressed
        {12, 'F', 11, 0, 0},    // round again; the disabled Flag does not count
        {12, 'r', 13, 0, 1},    // a letter of one control still presses it
        {11, 'g', 11, 0, 1},    // nobody's letter
    };
    CSharedDlg dialog;
    int result = m_env.RunModal(dialog, [&](ui::Window& w) {
        for (const Step& step : steps) {
            SCOPED_TRACE(testing::Message() << "Alt+" << step.letter << " from " << step.from);
            ASSERT_TRUE(ui::FocusControl(ControlOf(w, step.from).Handle()));
            EXPECT_EQ(ui::TypeCharacter(step.letter, {.alt = true}), step.letter != 'g');
            EXPECT_EQ(FocusId(w), step.focus);
            EXPECT_EQ(dialog.m_nFetch, step.fetches);
            EXPECT_EQ(dialog.m_nForward, step.forwards);
        }
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(UiKeyboardTest, ABusyWindowTakesOnlyWhatCancels) {
    CKeysDlg dialog;
    bool finished = false;
    int result = m_env.RunModal(dialog, [&](ui::Window& w) {
        m_env.Renderer().WhenTrue([] { return true; },
                                  [&](ui::Window& busy) {
                                      EXPECT_TRUE(busy.IsBusy());
                                      EXPECT_FALSE(ui::PressKey(Key::Tab));
                                      EXPECT_FALSE(ui::PressKey(Key::Enter));
                                      EXPECT_FALSE(ui::PressKey(Key::Space));
                                      EXPECT_FALSE(ui::TypeCharacter('g', {.alt = true}));
                                      EXPECT_FALSE(ui::ClickControl(ControlOf(w, 6).Handle()));
                                      EXPECT_FALSE(ui::ClickControl(ControlOf(w, IDOK).Handle()));
                                      EXPECT_FALSE(ui::EditText(ControlOf(w, 1).Handle(), "typed"));
                                      EXPECT_EQ(dialog.m_nGo, 0);
                                      EXPECT_EQ(ControlOf(w, 1).Text(), "");
                                      finished = true;
                                  });
        ui::RunBusyLoop(w, [&] { return finished; });
        EXPECT_FALSE(w.IsBusy());
        EXPECT_TRUE(ui::ClickControl(ControlOf(w, 6).Handle()));  // input is taken again
        EXPECT_EQ(dialog.m_nGo, 1);
        // Escape is taken while busy, and ends the wait's window.
        m_env.Renderer().WhenTrue([] { return true; },
                                  [&](ui::Window&) { EXPECT_TRUE(ui::PressKey(Key::Escape)); });
        ui::RunBusyLoop(w, [&] { return dialog.m_nCancel > 0; });
    });
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
