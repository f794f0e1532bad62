// The welcome page: greets the user and offers Next.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizIntro : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_INTRO };
    CWizIntro();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    DECLARE_MESSAGE_MAP()
};
