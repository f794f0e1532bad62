#include "app/InstallerApp.h"

#include "app/CredentialPromptHookup.h"
#include "app/InstallWizard.h"
#include "package/LocalFiles.h"
#include "package/PackageName.h"
#include "res/Resources.h"

CInstallerApp theApp;

BEGIN_MESSAGE_MAP(CInstallerApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CInstallerApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

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
