// The download page: fetches the installer package behind a progress
// window, or offers Next at once when the package is already there.
#pragma once

#include "download/DownloadOutcome.h"
#include "download/KeptDownload.h"
#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizDownload : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_DOWNLOAD };
    CWizDownload();

    CString m_strMessage;  // static 1004
    CString m_strStatus;   // static 1007

    // First visit: shows the proxy advice. Always TRUE.
    BOOL OnInitDialog() override;
    // Every visit: Next and the done texts when the package is in the
    // executable's directory (in a build with the publisher's key, only once
    // its bytes are verified: see IsPackagePresent), else Back and the
    // Download button; marks the wizard as on the direct-download route.
    BOOL OnSetActive() override;
    // The Download button: runs one download behind the progress dialog and
    // shows its outcome: done, cancelled by the user, or failed and why; a
    // cancelled or failed attempt leaves no package file. A download broken
    // off while its body arrived keeps its bytes for the next press, which
    // asks for the rest; a cancel drops them. With the
    // publisher's key, the package must carry the publisher's signature,
    // and the wizard records the verified bytes. Both download
    // threads have ended when it returns.
    void OnDownload();
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()

  private:
    CString FailureText(const DownloadOutcome& outcome) const;
    void ShowPackagePresent();
    void EnableDownloadButton(BOOL bEnable);

    // What a broken download left for the next press of Download.
    KeptDownload m_kept;
};
