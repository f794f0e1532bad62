// Setting the wizard's buttons from a page: the sheet's operation, called
// on the page's parent (it posts PSM_SETWIZBUTTONS).
#pragma once

#include "platform/ui/CPropertySheet.h"

inline void SetWizardButtonsOf(CPropertyPage& page, DWORD dwFlags) {
    if (auto* sheet = dynamic_cast<CPropertySheet*>(page.GetParent())) {
        sheet->SetWizardButtons(dwFlags);
    }
}
