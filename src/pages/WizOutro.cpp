#include "pages/WizOutro.h"

#include <errno.h>

#include "package/LocalFiles.h"
#include "package/PackageName.h"
#include "pages/InstallWizardAccess.h"
#include "pages/PackageVerification.h"
#include "pages/WizardButtons.h"
#include "platform/os/LocalFile.h"
#include "platform/os/ShellOpen.h"
#include "platform/ui/MessageBox.h"

namespace {

constexpr UINT WM_LAUNCH_FAILED = WM_APP + 1;

// Why no package could be started: nothing bears its name, or something
// that is no plain file of its own does (a link, a folder, a second name).
std::intptr_t NotStarted() {
    int error = os::LocalFile::Open(GetPackagePath(), os::OpenMode::Probe).Error();
    return error == ENOENT ? os::SE_ERR_FNF : os::SE_ERR_NOTAFILE;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWizOutro, CPropertyPage)
ON_MESSAGE(WM_LAUNCH_FAILED, &CWizOutro::OnLaunchFailed)
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
        FileExists(GetPackagePath()) ? StartPackage(GetInstallWizard(*this)) : NotStarted();
    // The page's text claims success; the user must hear when it is untrue.
    if (result <= 32) PostMessage(WM_LAUNCH_FAILED, static_cast<WPARAM>(result));
    return CPropertyPage::OnSetActive();
}

LRESULT CWizOutro::OnLaunchFailed(WPARAM wParam, LPARAM /*lParam*/) {
    ui::ShowMessageBox(CString("The installer could not be started: ") +
                           os::ShellOpenFailureReason(static_cast<std::intptr_t>(wParam)).c_str() +
                           ".",
                       kWizardMessageCaption, MB_OK | MB_ICONSTOP, GetParent());
    return 0;
}

BOOL CWizOutro::OnWizardFinish() {
    // Fails while the installer still holds the file; the application tries
    // once more at exit.
    if (FileExists(GetPackagePath())) DeleteLocalFile(GetPackagePath());
    return CPropertyPage::OnWizardFinish();
}
