// The application: locks the executable's folder and clears what crashed
// runs left there, runs the wizard modally inside InitInstance, then
// deletes the downloaded package unless the browser route was taken.
#pragma once

#include "platform/ui/Afx.h"

class CInstallerApp : public CWinApp {
  public:
    CInstallerApp() = default;

    // Runs the wizard to its end and cleans up; always FALSE. With another
    // wizard running from the same folder, only says so and touches nothing.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

// The one application object.
extern CInstallerApp theApp;

// Hands the wizard's resources to the window model (templates, strings,
// bitmaps, the icon).
void InstallWizardResources();
// The process's entry into the program: installs the resources and the
// credential prompt, and runs theApp (InitInstance, then ExitInstance).
// Install the renderer first.
int RunInstallerApp();
