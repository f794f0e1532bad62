// CWinApp: the application object. The program defines exactly one, as a
// global; AfxWinMain runs it.
#pragma once

#include "platform/ui/CWnd.h"

class CWinApp : public CCmdTarget {
  public:
    // Becomes the current application (a later one takes over until it is
    // destroyed, so tests may make their own).
    CWinApp();
    ~CWinApp() override;

    // The program's own start-up; FALSE ends the application at once.
    virtual BOOL InitInstance();
    // Runs after InitInstance; returns the process's exit code.
    virtual int ExitInstance();

    // The look of the original platform's controls: nothing to do here.
    BOOL Enable3dControls();
    // The default help handler: there is no help file on this platform, so
    // it does nothing. Mapping ID_HELP to it makes help count as enabled.
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The current application object, or nullptr.
CWinApp* AfxGetApp();
// TRUE when the application's message map handles ID_HELP.
BOOL AfxHelpEnabled();
// ActiveX hosting in dialogs: nothing to host here.
void AfxEnableControlContainer();
// Runs the current application: makes the calling thread the UI thread,
// calls InitInstance, then ExitInstance; returns the exit code.
int AfxWinMain();
