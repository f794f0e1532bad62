#include "pages/WizManualDownload.h"

#include "pages/InstallWizardAccess.h"
#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizManualDownload, CPropertyPage)
END_MESSAGE_MAP()

CWizManualDownload::CWizManualDownload() : CPropertyPage(IDD) {}

BOOL CWizManualDownload::OnSetActive() {
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_FINISH);
    if (IInstallWizard* wizard = GetInstallWizard(*this)) wizard->SetManualDownload(TRUE);
    return CPropertyPage::OnSetActive();
}

LRESULT CWizManualDownload::OnWizardBack() {
    return IDD_WIZ_OS;
}
