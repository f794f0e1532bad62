// The browser-download page: the wizard's other ending, which hands the
// download to the user's web browser.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizManualDownload : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_MANUAL_DOWNLOAD };
    CWizManualDownload();

    BOOL OnSetActive() override;
    // Back always returns to the operating-system page.
    LRESULT OnWizardBack() override;

    DECLARE_MESSAGE_MAP()
};
