#include "pages/WizManualDownload.h"

#include "download/DownloadHost.h"
#include "package/OSType.h"
#include "package/PackageName.h"
#include "pages/InstallWizardAccess.h"
#include "pages/ShellOpenFromPage.h"
#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizManualDownload, CPropertyPage)
ON_BN_CLICKED(IDC_BROWSER_DOWNLOAD, &CWizManualDownload::OnDownloadWithBrowser)
END_MESSAGE_MAP()

CWizManualDownload::CWizManualDownload() : CPropertyPage(IDD) {}

BOOL CWizManualDownload::OnSetActive() {
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_FINISH);
    if (IInstallWizard* wizard = GetInstallWizard(*this)) wizard->SetManualDownload(TRUE);
    return CPropertyPage::OnSetActive();
}

LRESULT CWizManualDownload::OnWizardBack() {
    return IDD_WIZ_OS;  // the download page is skipped
}

void CWizManualDownload::OnDownloadWithBrowser() {
    ShellOpen(GetPackageAddress());
}

CString GetPackageAddress() {
    // The host as built in, with its scheme, and its port when it names one;
    // the page adds none.
    CString address;
    address.Format("%s/%s", GetDownloadAddress().GetString(),
                   GetPackageName(GetOSType()).GetString());
    return address;
}
