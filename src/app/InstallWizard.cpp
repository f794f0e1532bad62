#include "app/InstallWizard.h"

#include "app/OutsideServices.h"
#include "download/PackageKey.h"
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

const crypto::PublicKey* CInstallWizard::GetPublisherKey() const {
    return GetPackageKey();
}

void CInstallWizard::SetVerifiedPackage(const CString& strName, const crypto::Digest& digest) {
    m_verifiedPackage = VerifiedPackage{strName, digest};
}

const crypto::Digest* CInstallWizard::GetVerifiedPackage(const CString& strName) const {
    bool known = m_verifiedPackage && m_verifiedPackage->strName == strName;
    return known ? &m_verifiedPackage->digest : nullptr;
}
