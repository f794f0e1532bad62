#include <gtest/gtest.h>

#include "app/InstallerApp.h"
#include "platform/ui/Afx.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "res/resource.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::Click;
using testing_support::ControlOf;
using ui::ControlKind;
using ui::ControlTemplate;

constexpr UINT IDD_GROUPS = 600;
constexpr DWORD kPopup = ui::WS_POPUP | ui::WS_CAPTION;
// Two groups of radio buttons, each started by a static text (no WS_GROUP
// needed: static texts start groups by themselves).
constexpr ControlTemplate kGroupControls[] = {
    {ui::IDC_STATIC, ControlKind::Static, "First", {7, 7, 50, 8}, 0},
    {10, ControlKind::AutoCheckBox, "&Check", {7, 20, 50, 10}, ui::WS_TABSTOP},
    {11, ControlKind::AutoRadioButton, "&One", {7, 32, 50, 10}, 0},
    {12, ControlKind::AutoRadioButton, "&Two", {7, 44, 50, 10}, 0},
    {13, ControlKind::AutoRadioButton, "T&hree", {7, 56, 50, 10}, 0},
    {ui::IDC_STATIC, ControlKind::Static, "&Second", {70, 7, 50, 8}, 0},
    {20, ControlKind::AutoRadioButton, "&Red", {70, 20, 50, 10}, ui::WS_TABSTOP},
    {21, ControlKind::AutoRadioButton, "&Blue", {70, 32, 50, 10}, 0},
    {30, ControlKind::AutoRadioButton, "&Green", {70, 44, 50, 10}, ui::WS_GROUP | ui::WS_TABSTOP},
    {IDOK, ControlKind::PushButton, "OK", {70, 60, 50, 14}, ui::WS_TABSTOP},
};
constexpr ui::DialogTemplate kGroups{IDD_GROUPS,      "Groups", 130,    80,
                                     "MS Sans Serif", 8,        kPopup, kGroupControls};

class UiControlsTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::RegisterDialogTemplate(kGroups); }
    // Runs a dialog on `templateId` with `body` acting on it, then closes it.
    void WithDialog(UINT templateId, std::function<void(CDialog&, ui::Window&)> body) {
        CDialog dialog(templateId);
        int result = m_env.RunModal(dialog, [&](ui::Window& window) {
            body(dialog, window);
            dialog.EndDialog(IDOK);
        });
        ASSERT_EQ(result, IDOK);
    }
    static std::vector<UINT> Checks(ui::Window& window, std::initializer_list<int> ids) {
        std::vector<UINT> checks;
        for (int id : ids) checks.push_back(ControlOf(window, id).Check());
        return checks;
    }
    testing_support::UiTestEnvironment m_env;
};

TEST_F(UiControlsTest, AutomaticRadioButtonsExcludeEachOtherWithinTheirGroupOnly) {
    WithDialog(IDD_GROUPS, [&](CDialog&, ui::Window& w) {
        using V = std::vector<UINT>;
        EXPECT_TRUE(Click(w, 11));
        EXPECT_TRUE(Click(w, 20));
        EXPECT_EQ(Checks(w, {11, 12, 13, 20, 21}), (V{1, 0, 0, 1, 0}));
        EXPECT_TRUE(Click(w, 13));
        EXPECT_EQ(Checks(w, {11, 12, 13, 20, 21}), (V{0, 0, 1, 1, 0}));
        EXPECT_TRUE(Click(w, 21));
        EXPECT_EQ(Checks(w, {11, 12, 13, 20, 21}), (V{0, 0, 1, 0, 1}));
        // WS_GROUP starts a third group: Green leaves Blue alone.
        EXPECT_TRUE(Click(w, 30));
        EXPECT_EQ(Checks(w, {20, 21, 30}), (V{0, 1, 1}));
        // The check box shares the first group but is no radio button.
        EXPECT_TRUE(Click(w, 10));
        EXPECT_EQ(Checks(w, {10, 13}), (V{1, 1}));
        EXPECT_TRUE(Click(w, 10));
        EXPECT_EQ(Checks(w, {10, 13}), (V{0, 1}));
    });
}

TEST_F(UiControlsTest, CheckMessagesSetOneButtonAndDisabledButtonsIgnoreClicks) {
    WithDialog(IDD_GROUPS, [&](CDialog& dialog, ui::Window& w) {
        dialog.CheckDlgButton(11, BST_CHECKED);
        dialog.CheckDlgButton(12, BST_CHECKED);  // a message, not a click: no exclusion
        EXPECT_EQ(dialog.IsDlgButtonChecked(11), BST_CHECKED);
        EXPECT_EQ(dialog.IsDlgButtonChecked(12), BST_CHECKED);
        dialog.GetDlgItem(13)->EnableWindow(FALSE);
        EXPECT_FALSE(Click(w, 13));
        EXPECT_EQ(dialog.IsDlgButtonChecked(13), BST_UNCHECKED);
        EXPECT_EQ(dialog.IsDlgButtonChecked(11), BST_CHECKED);
        EXPECT_EQ(dialog.GetDlgItem(999), nullptr);
    });
}

TEST_F(UiControlsTest, OperatingSystemPageRadioButtonsExcludeEachOther) {
    InstallWizardResources();
    // The page template shown as a dialog of its own: its radio buttons
    // behave the same.
    const ui::DialogTemplate* page = ui::FindDialogTemplate(IDD_WIZ_OS);
    ASSERT_NE(page, nullptr);
    ui::DialogTemplate asDialog = *page;
    asDialog.id = 650;
    asDialog.style = kPopup;
    ui::RegisterDialogTemplate(asDialog);
    WithDialog(650, [&](CDialog&, ui::Window& w) {
        EXPECT_TRUE(Click(w, IDC_WIN9X));
        EXPECT_TRUE(Click(w, IDC_WINNT));
        EXPECT_EQ(ControlOf(w, IDC_WIN9X).Check(), BST_UNCHECKED);
        EXPECT_EQ(ControlOf(w, IDC_WINNT).Check(), BST_CHECKED);
        EXPECT_TRUE(Click(w, IDC_SAVE_INSTALL_FILE));
        EXPECT_EQ(ControlOf(w, IDC_WINNT).Check(), BST_CHECKED);
    });
}

TEST_F(UiControlsTest, WindowTextEnableAndParent) {
    WithDialog(IDD_GROUPS, [&](CDialog& dialog, ui::Window& w) {
        CWnd* ok = dialog.GetDlgItem(IDOK);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->GetParent(), &dialog);
        EXPECT_EQ(ok, dialog.GetDlgItem(IDOK));  // the same wrapper each time
        ok->SetWindowText("&Done");
        CString text;
        ok->GetWindowText(text);
        EXPECT_EQ(text, "&Done");
        EXPECT_EQ(ControlOf(w, IDOK).Text(), "&Done");
        EXPECT_EQ(ok->EnableWindow(FALSE), FALSE);  // was enabled
        EXPECT_EQ(ok->EnableWindow(TRUE), TRUE);    // was disabled
        EXPECT_TRUE(ok->IsWindowEnabled());
    });
}

TEST_F(UiControlsTest, BoldFontOneUnitLargerFromTheControlsFontDescription) {
    CFont bold;
    WithDialog(IDD_GROUPS, [&](CDialog& dialog, ui::Window& w) {
        CWnd* label = dialog.GetDlgItem(10);
        CFont* current = label->GetFont();
        ASSERT_NE(current, nullptr);
        LOGFONT lf;
        ASSERT_EQ(current->GetLogFont(&lf), static_cast<int>(sizeof(LOGFONT)));
        EXPECT_EQ(lf.lfHeight, -11);  // 8 points at 96 DPI
        EXPECT_EQ(lf.lfWeight, FW_NORMAL);
        EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
        lf.lfHeight -= 1;
        lf.lfWeight = FW_BOLD;
        ASSERT_TRUE(bold.Attach(CreateFontIndirect(&lf)));
        EXPECT_FALSE(bold.Attach(CreateFontIndirect(&lf)));  // owns one already
        label->SetFont(&bold);
        EXPECT_TRUE(label->RedrawWindow());
        EXPECT_EQ(w.FindChild(10)->Font().lfHeight, -12);
        EXPECT_EQ(w.FindChild(10)->Font().lfWeight, FW_BOLD);
        EXPECT_EQ(w.FindChild(11)->Font().lfHeight, -11);  // others keep theirs
        EXPECT_EQ(label->GetFont()->GetSafeHandle(), bold.GetSafeHandle());
    });
    // A font deleted while a control still names it: the description stays usable.
    HFONT handle = bold.GetSafeHandle();
    bold.DeleteObject();
    LOGFONT gone;
    EXPECT_FALSE(GetFontDescription(handle, &gone));
    EXPECT_EQ(CFont::FromHandle(handle), nullptr);
    EXPECT_EQ(bold.GetLogFont(&gone), 0);
}

}  // namespace
