#include "platform/ui/CDialog.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/ResourceRegistry.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(const ui::DialogTemplate& dialogTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(dialogTemplate.id), m_pTemplate(&dialogTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    DestroyDialogWindow();
}

const ui::DialogTemplate* CDialog::FindTemplate() const {
    return m_pTemplate != nullptr ? m_pTemplate : ui::FindDialogTemplate(m_nIDTemplate);
}

BOOL CDialog::CreateDialogWindow() {
    const ui::DialogTemplate* dialogTemplate = FindTemplate();
    if (dialogTemplate == nullptr || m_window) return FALSE;
    ui::Window* owner = m_pParentWnd ? m_pParentWnd->GetModelWindow() : ui::ActiveWindow();
    m_window = std::make_unique<ui::Window>(ui::WindowRole::Dialog, *dialogTemplate, owner);
    AttachModelWindow(*m_window);
    m_bEnded = false;
    m_nModalResult = -1;
    ui::GetRenderer().TopLevelCreated(*m_window);
    BOOL focusFirst = static_cast<BOOL>(SendMessage(WM_INITDIALOG, 0, 0));
    if (m_window && focusFirst && m_window->Focus() == nullptr) {
        m_window->SetFocus(m_window->FirstTabStop());
    }
    return m_window != nullptr;
}

void CDialog::DestroyDialogWindow() {
    ui::DestroyTopLevel(m_window);
}

int CDialog::DoModal() {
    if (!CreateDialogWindow()) return -1;
    ui::RunModalLoop(*m_window, &m_bEnded);
    DestroyDialogWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = true;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

CCmdTarget* CDialog::GetCommandRouteNext() const {
    return AfxGetApp();
}
