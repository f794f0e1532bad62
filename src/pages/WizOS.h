// The operating-system page: shows the detected Windows family in bold, lets
// the user choose the other one by hand, tests once whether a direct
// connection to the download host works, and routes Next to the download
// page or, without a connection or when the user keeps the installer file,
// to the browser-download page.
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

    // First visit: the bold name, the connection test, Back and Next.
    BOOL OnInitDialog() override;
    // Every visit: shows the current family and the state of the manual choice.
    BOOL OnSetActive() override;
    // 130 (browser download) without a connection or with the save box
    // checked, else 106 (download).
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Check box 1007: enables the radio buttons, or disables them and goes
    // back to the detected family.
    void OnSelectManually();
    // Radio buttons 1000 and 1001: select that family.
    void OnWin9x();
    void OnWinNT();

    DECLARE_MESSAGE_MAP()

  private:
    void MakeNameBold();
    void EnableFamilyChoice(BOOL bEnable);
    // Shows the family GetOSType names, through its radio button's handler.
    void ShowCurrentFamily();
    // Checks one radio button, names the family and records it.
    void ShowFamily(int nType, int nCheckedId, int nClearedId, LPCTSTR pszName);
};
