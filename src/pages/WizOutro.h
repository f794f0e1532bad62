// The completion page: ends the direct-download route. Every visit starts
// the downloaded installer while its package is present; Finish deletes the
// package again.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizOutro : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_OUTRO };
    CWizOutro();

    // Back and Finish.
    BOOL OnInitDialog() override;
    // Back and Finish; starts the installer when the package is present.
    BOOL OnSetActive() override;
    // Deletes the package when present; lets the wizard close.
    BOOL OnWizardFinish() override;

    DECLARE_MESSAGE_MAP()
};
