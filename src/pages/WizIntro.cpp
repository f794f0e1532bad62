#include "pages/WizIntro.h"

#include "pages/WizardButtons.h"

BEGIN_MESSAGE_MAP(CWizIntro, CPropertyPage)
END_MESSAGE_MAP()

CWizIntro::CWizIntro() : CPropertyPage(IDD) {}

BOOL CWizIntro::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    SetWizardButtonsOf(*this, PSWIZB_NEXT);
    return TRUE;
}

BOOL CWizIntro::OnSetActive() {
    SetWizardButtonsOf(*this, PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}
