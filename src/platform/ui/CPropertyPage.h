// CPropertyPage: one page of a property sheet, built from a template. Its
// window is created on the page's first visit and lives until the sheet
// closes. The wizard calls the handlers below as the user moves.
#pragma once

#include "platform/ui/CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
  public:
    explicit CPropertyPage(UINT nIDTemplate);
    ~CPropertyPage() override;

    // The page is about to be shown; FALSE refuses. The default transfers
    // the members to the controls on every activation but the first (the
    // first follows OnInitDialog, which already did) and returns TRUE.
    virtual BOOL OnSetActive();
    // The page is about to be left; FALSE keeps it. The default transfers
    // the controls to the members and returns TRUE.
    virtual BOOL OnKillActive();
    // Next pressed: 0 goes to the following page, a template identifier to
    // that page, -1 stays. Default 0.
    virtual LRESULT OnWizardNext();
    // Back pressed: 0 goes to the preceding page, a template identifier to
    // that page, -1 stays. Default 0.
    virtual LRESULT OnWizardBack();
    // Finish pressed: TRUE lets the wizard close. Default TRUE.
    virtual BOOL OnWizardFinish();
    // Cancel pressed: TRUE lets the wizard close. Default TRUE.
    virtual BOOL OnQueryCancel();

    // The page's help and other header flags (PSP_HASHELP is set when the
    // application handles ID_HELP).
    struct PageHeader {
        DWORD dwFlags = 0;
    } m_psp;

    // Pages are not modal: these act on the sheet instead.
    int DoModal() override;
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()

  protected:
    CCmdTarget* GetCommandRouteNext() const override;

  private:
    friend class CPropertySheet;
    // Creates the page window inside `sheetWindow`, its top-left corner at
    // (x, y) and its size the template's, and runs OnInitDialog. FALSE when
    // the template is not registered.
    BOOL CreatePageWindow(ui::Window& sheetWindow, int x, int y);
    // The sheet forgets the page window (it is destroyed with the sheet's).
    void ReleasePageWindow();

    CPropertySheet* m_pSheet = nullptr;
    bool m_bFirstSetActive = true;
};
