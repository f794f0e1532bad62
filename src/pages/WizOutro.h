// The completion page: ends the direct-download route. Every visit starts
// the downloaded installer while its package is present, and says so in a
// message box when it cannot; Finish deletes the package again.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

// The caption of the wizard's message boxes: the title its pages carry.
constexpr const char* kWizardMessageCaption = "K7 Vessamo Download Wizard";

class CWizOutro : public CPropertyPage {
  public:
    enum { IDD = IDD_WIZ_OUTRO };
    CWizOutro();

    // Back and Finish.
    BOOL OnInitDialog() override;
    // Back and Finish; starts the installer, or tells the user why it could
    // not be started (no package, not a regular file, in use, in a build
    // with the publisher's key not the bytes this run verified, ...).
    BOOL OnSetActive() override;
    // Deletes the package when present; lets the wizard close.
    BOOL OnWizardFinish() override;
    // Posted by OnSetActive when the start failed (wParam: the shell's
    // result), so that the message box stands over the page once it is shown.
    LRESULT OnLaunchFailed(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
