// The completion page: ends the direct-download route.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizOutro : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_OUTRO };
    CWizOutro();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    DECLARE_MESSAGE_MAP()
};
