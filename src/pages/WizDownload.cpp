#include "pages/WizDownload.h"

#include "package/LocalFiles.h"
#include "package/PackageName.h"
#include "pages/InstallWizardAccess.h"
#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizDownload, CPropertyPage)
END_MESSAGE_MAP()

CWizDownload::CWizDownload() : CPropertyPage(IDD) {}

void CWizDownload::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
    DDX_Text(pDX, IDC_STATUS, m_strStatus);
}

BOOL CWizDownload::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return TRUE;
}

BOOL CWizDownload::OnSetActive() {
    // Next only once the package is in the executable's directory.
    BOOL present = FileExists(GetPackagePath());
    SetWizardButtonsOf(*this, present ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
    // This page is on the direct-download route.
    if (IInstallWizard* wizard = GetInstallWizard(*this)) wizard->SetManualDownload(FALSE);
    return CPropertyPage::OnSetActive();
}
