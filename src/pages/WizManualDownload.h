// The browser-download page: the wizard's other ending. It hands the
// download to the user's web browser and marks the sheet so that the
// application leaves any package file in place at exit.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Afx.h"
#include "res/resource.h"

class CWizManualDownload : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_MANUAL_DOWNLOAD };
    CWizManualDownload();

    // Back and Finish; marks the sheet as on the browser route.
    BOOL OnSetActive() override;
    // Back always returns to the operating-system page (105).
    LRESULT OnWizardBack() override;

    // Button 1006: opens the package's address in the web browser.
    void OnDownloadWithBrowser();

    DECLARE_MESSAGE_MAP()
};

// The download host's address ("http://host" or "https://host", with the
// port it names) + "/" + the current package's file name (only the slash
// when no family is selected).
CString GetPackageAddress();
