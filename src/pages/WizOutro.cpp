#include "pages/WizOutro.h"

#include "package/LocalFiles.h"
#include "package/OSType.h"
#include "package/PackageName.h"
#include "pages/ShellOpenFromPage.h"
#include "pages/WizardButtons.h"
#include "platform/os/ShellOpen.h"
#include "platform/ui/MessageBox.h"

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
    std::intptr_t result =
        FileExists(GetPackagePath()) ? ShellOpen(GetPackageName(GetOSType())) : os::SE_ERR_FNF;
    // The page's text claims success; the user must hear when it is untrue.
    if (result <= 32) {
        ui::ShowMessageBox(CString("The installer could not be started: ") +
                               os::ShellOpenFailureReason(result).c_str() + ".",
                           kWizardMessageCaption, MB_OK | MB_ICONSTOP, GetParent());
    }
    return CPropertyPage::OnSetActive();
}

BOOL CWizOutro::OnWizardFinish() {
    // Fails while the installer still holds the file; the application tries
    // once more at exit.
    if (FileExists(GetPackagePath())) DeleteLocalFile(GetPackagePath());
    return CPropertyPage::OnWizardFinish();
}
