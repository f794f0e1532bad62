#include "app/InstallerApp.h"

#include "app/CredentialPromptHookup.h"
#include "app/InstallWizard.h"
#include "package/LocalFiles.h"
#include "package/PackageName.h"
#include "package/WizardFiles.h"
#include "platform/ui/MessageBox.h"
#include "res/Resources.h"

CInstallerApp theApp;

BEGIN_MESSAGE_MAP(CInstallerApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CInstallerApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    // One wizard per folder: a second one would delete the first one's
    // files. It leaves without touching any. A folder where no lock can be
    // made (read-only) lets the wizard run: it cannot write there either.
    os::FolderLock folderLock = LockWizardFolder();
    if (folderLock.GetState() == os::FolderLock::State::HeldByOther) {
        ui::ShowMessageBox("K7 Vessamo Download Wizard is already running from this folder.",
                           kWizardMessageCaption, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (folderLock.GetState() == os::FolderLock::State::Held) RemoveWizardLeftovers();

    CInstallWizard wizard(nullptr);
    m_pMainWnd = &wizard;
    wizard.DoModal();
    m_pMainWnd = nullptr;

    // A package this wizard downloaded lives only as long as the wizard,
    // unless the user took the browser route and keeps the file.
    if (!wizard.m_bManualDownload) {
        if (FileExists(GetPackagePath())) DeleteLocalFile(GetPackagePath());
    }
    return FALSE;
}

void InstallWizardResources() {
    ui::RegisterDialogTemplates(res::DialogTemplates());
    ui::SetStringLoader([](UINT id) { return res::LoadString(id); });
    ui::SetBitmapLoader(
        [](UINT id) { return id == ui::kProgramIconId ? res::LoadIcon() : res::LoadBitmap(id); });
}

int RunInstallerApp() {
    InstallWizardResources();
    InstallCredentialPrompt();
    return AfxWinMain();
}
