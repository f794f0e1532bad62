#include "pages/WizOutro.h"

#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizOutro, CPropertyPage)
END_MESSAGE_MAP()

CWizOutro::CWizOutro() : CPropertyPage(IDD) {}

BOOL CWizOutro::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_FINISH);
    return TRUE;
}

BOOL CWizOutro::OnSetActive() {
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}
