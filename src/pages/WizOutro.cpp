#include "pages/WizOutro.h"

#include "package/LocalFiles.h"
#include "package/OSType.h"
#include "package/PackageName.h"
#include "pages/ShellOpenFromPage.h"
#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizOutro, CPropertyPage)
END_MESSAGE_MAP()

CWizOutro::CWizOutro() : CPropertyPage(IDD) {}

BOOL CWizOutro::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_FINISH);
    return TRUE;
}

BOOL CWizOutro::OnSetActive() {
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_FINISH);
    // The bare file name: the shell finds it in the executable's directory,
    // its working directory, and starts it. Each visit starts it again.
    if (FileExists(GetPackagePath())) ShellOpen(GetPackageName(GetOSType()));
    return CPropertyPage::OnSetActive();
}

BOOL CWizOutro::OnWizardFinish() {
    // Fails while the installer still holds the file; the application tries
    // once more at exit.
    if (FileExists(GetPackagePath())) DeleteLocalFile(GetPackagePath());
    return CPropertyPage::OnWizardFinish();
}
