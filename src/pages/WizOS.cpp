#include "pages/WizOS.h"

#include "package/OSType.h"
#include "pages/ConnectionTest.h"
#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizOS, CPropertyPage)
ON_BN_CLICKED(IDC_SELECT_MANUALLY, &CWizOS::OnSelectManually)
ON_BN_CLICKED(IDC_WIN9X, &CWizOS::OnWin9x)
ON_BN_CLICKED(IDC_WINNT, &CWizOS::OnWinNT)
END_MESSAGE_MAP()

CWizOS::CWizOS() : CPropertyPage(IDD) {}

void CWizOS::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SELECT_MANUALLY, m_bSelectManually);
    DDX_Text(pDX, IDC_OS_NAME, m_strOSName);
    DDX_Check(pDX, IDC_SAVE_INSTALL_FILE, m_bSaveInstallFile);
}

BOOL CWizOS::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    MakeNameBold();
    // The window stays alive meanwhile; the page is shown once the test ends.
    m_bConnectionOK = TestDirectConnection(dynamic_cast<CPropertySheet*>(GetParent()));
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return TRUE;
}

// The family name in the dialog font made bold and one unit larger. Any
// failure on the way leaves the control's font as it was.
void CWizOS::MakeNameBold() {
    CWnd* name = GetDlgItem(IDC_OS_NAME);
    if (name == nullptr) return;
    CFont* font = name->GetFont();
    LOGFONT lf;
    if (font == nullptr || font->GetLogFont(&lf) == 0) return;
    lf.lfHeight -= 1;  // heights are negative: one unit larger
    lf.lfWeight = FW_BOLD;
    HFONT bold = ::CreateFontIndirect(&lf);
    if (!m_fontBold.Attach(bold)) {
        if (bold != nullptr) DeleteFont(bold);
        return;
    }
    name->SetFont(&m_fontBold);
    name->Invalidate();
}

BOOL CWizOS::OnSetActive() {
    ShowCurrentFamily();
    OnSelectManually();
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

void CWizOS::OnSelectManually() {
    UpdateData(TRUE);
    if (m_bSelectManually) {
        EnableFamilyChoice(TRUE);  // the current choice stays
        return;
    }
    EnableFamilyChoice(FALSE);
    SetOSType(OSTYPE_AUTODETECT);  // discards a manual choice
    ShowCurrentFamily();
}

void CWizOS::ShowCurrentFamily() {
    int nType = GetOSType();
    if (nType == OSTYPE_WIN9X) {
        OnWin9x();
    } else if (nType == OSTYPE_WINNT) {
        OnWinNT();
    }
}

void CWizOS::OnWin9x() {
    ShowFamily(OSTYPE_WIN9X, IDC_WIN9X, IDC_WINNT, "Windows 95/98/ME");
}

void CWizOS::OnWinNT() {
    ShowFamily(OSTYPE_WINNT, IDC_WINNT, IDC_WIN9X, "Windows NT/2000/XP");
}

void CWizOS::ShowFamily(int nType, int nCheckedId, int nClearedId, LPCTSTR pszName) {
    // Take the check boxes in first: the transfer below writes every bound
    // member back, and must not undo a change the user made to them since.
    UpdateData(TRUE);
    if (CWnd* cleared = GetDlgItem(nClearedId)) cleared->SendMessage(BM_SETCHECK, BST_UNCHECKED);
    if (CWnd* checked = GetDlgItem(nCheckedId)) checked->SendMessage(BM_SETCHECK, BST_CHECKED);
    m_strOSName = pszName;
    UpdateData(FALSE);
    SetOSType(nType);
}

void CWizOS::EnableFamilyChoice(BOOL bEnable) {
    if (CWnd* winNT = GetDlgItem(IDC_WINNT)) winNT->EnableWindow(bEnable);
    if (CWnd* win9x = GetDlgItem(IDC_WIN9X)) win9x->EnableWindow(bEnable);
}

LRESULT CWizOS::OnWizardNext() {
    UpdateData(TRUE);
    if (!m_bConnectionOK) return IDD_WIZ_MANUAL_DOWNLOAD;
    if (m_bSaveInstallFile) return IDD_WIZ_MANUAL_DOWNLOAD;
    return IDD_WIZ_DOWNLOAD;
}
