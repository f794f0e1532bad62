#include "app/InstallWizard.h"

#include "app/OutsideServices.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CInstallWizard, CPropertySheet)
ON_COMMAND(ID_HELP, &CInstallWizard::OnHelp)
END_MESSAGE_MAP()

CInstallWizard::CInstallWizard(CWnd* pParent) : CPropertySheet(IDS_WIZARD_CAPTION, pParent, 0) {
    AddPage(&m_pageIntro);
    AddPage(&m_pageOS);
    AddPage(&m_pageDownload);
    AddPage(&m_pageOutro);
    AddPage(&m_pageManualDownload);
    m_psh.dwFlags |= PSH_WIZARD;
    m_bManualDownload = FALSE;
}

void CInstallWizard::OnHelp() {
    ShellOpen(GetSupportPageAddress());
}
