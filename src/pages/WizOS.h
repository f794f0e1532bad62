// The operating-system page: shows the detected Windows family, lets the
// user choose by hand, and decides the route through the rest of the wizard.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizOS : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_OS };
    CWizOS();

    CFont m_fontBold;                 // bold font for the family name, created once
    BOOL m_bConnectionOK = FALSE;     // set by OnInitDialog before anything reads it
    BOOL m_bSelectManually = FALSE;   // check box 1007
    CString m_strOSName;              // static 1003
    BOOL m_bSaveInstallFile = FALSE;  // check box 1008

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
