// What a page needs of the wizard that holds it beyond a property sheet:
// the flag that tells the application which download route was taken last.
// The wizard (app/) implements it; pages find it as their parent window.
#pragma once

#include "platform/ui/CWnd.h"

class IInstallWizard {
  public:
    virtual void SetManualDownload(BOOL bManualDownload) = 0;

  protected:
    ~IInstallWizard() = default;
};

// The wizard that holds `page`, or nullptr when its parent is not one.
inline IInstallWizard* GetInstallWizard(const CWnd& page) {
    return dynamic_cast<IInstallWizard*>(page.GetParent());
}
