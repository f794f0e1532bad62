#include "pages/WizOS.h"

#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizOS, CPropertyPage)
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
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return TRUE;
}

BOOL CWizOS::OnSetActive() {
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}
