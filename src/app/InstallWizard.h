// The wizard frame: a property sheet in wizard mode that owns the five
// pages, fixes their order, carries the browser-download flag the
// application reads after it closes, and opens the support page on Help.
#pragma once

#include <optional>

#include "pages/InstallWizardAccess.h"
#include "pages/WizDownload.h"
#include "pages/WizIntro.h"
#include "pages/WizManualDownload.h"
#include "pages/WizOS.h"
#include "pages/WizOutro.h"
#include "platform/ui/Afx.h"

class CInstallWizard : public CPropertySheet, public IInstallWizard {
  public:
    // The sheet captioned with string 103, pages added in their fixed
    // order, wizard mode set, m_bManualDownload FALSE.
    explicit CInstallWizard(CWnd* pParent = nullptr);

    CWizIntro m_pageIntro;
    CWizOS m_pageOS;
    CWizDownload m_pageDownload;
    CWizOutro m_pageOutro;
    CWizManualDownload m_pageManualDownload;
    // TRUE while the browser-download route is the later of the two routes entered.
    BOOL m_bManualDownload;

    // ID_HELP: opens the support page in the web browser.
    void OnHelp();

    void SetManualDownload(BOOL bManualDownload) override { m_bManualDownload = bManualDownload; }
    // The key built into the product (GetPackageKey()).
    const crypto::PublicKey* GetPublisherKey() const override;
    void SetVerifiedPackage(const CString& strName, const crypto::Digest& digest) override;
    const crypto::Digest* GetVerifiedPackage(const CString& strName) const override;

    DECLARE_MESSAGE_MAP()

  private:
    // The last package this run verified: its name and SHA-256.
    struct VerifiedPackage {
        CString strName;
        crypto::Digest digest;
    };
    std::optional<VerifiedPackage> m_verifiedPackage;
};
