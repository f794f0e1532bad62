// The download page: fetches the installer package behind a progress window.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizDownload : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_DOWNLOAD };
    CWizDownload();

    CString m_strMessage;  // static 1004
    CString m_strStatus;   // static 1007

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
