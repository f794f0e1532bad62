#include "platform/ui/CPropertyPage.h"

#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/Renderer.h"

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate, nullptr) {
    if (AfxHelpEnabled()) m_psp.dwFlags |= PSP_HASHELP;
}

CPropertyPage::~CPropertyPage() = default;

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive) {
        m_bFirstSetActive = false;
    } else {
        UpdateData(FALSE);
    }
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

int CPropertyPage::DoModal() {
    return -1;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

CCmdTarget* CPropertyPage::GetCommandRouteNext() const {
    return m_pSheet;
}

BOOL CPropertyPage::CreatePageWindow(ui::Window& sheetWindow, int x, int y) {
    const ui::DialogTemplate* dialogTemplate = FindTemplate();
    if (dialogTemplate == nullptr) return FALSE;
    auto page = std::make_unique<ui::Window>(ui::WindowRole::Page, *dialogTemplate, &sheetWindow);
    page->SetRect({x, y, dialogTemplate->cx, dialogTemplate->cy});
    ui::Window& window = sheetWindow.AddChild(std::move(page));
    AttachModelWindow(window);
    m_bFirstSetActive = true;
    ui::GetRenderer().ChildCreated(window);
    SendMessage(WM_INITDIALOG, 0, 0);
    return TRUE;
}

void CPropertyPage::ReleasePageWindow() {
    DetachModelWindow();
}
