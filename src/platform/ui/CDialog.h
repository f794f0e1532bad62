// CDialog: a modal dialog built from a template. DoModal runs a nested
// modal loop until EndDialog; OK and Cancel (and Escape, the close box)
// end it with IDOK and IDCANCEL through OnOK and OnCancel.
#pragma once

#include "platform/ui/CWnd.h"
#include "platform/ui/DialogTemplate.h"

class CDialog : public CWnd {
  public:
    // The dialog on registered template `nIDTemplate`.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // The dialog on a template the caller provides (it must outlive the dialog).
    explicit CDialog(const ui::DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the window, runs OnInitDialog, runs the modal loop until
    // EndDialog, destroys the window. Returns EndDialog's result, or -1 when
    // the template is not registered. The parent's top-level window is
    // disabled meanwhile.
    virtual int DoModal();
    // Ends the modal loop with `nResult` (the window closes when the loop returns).
    void EndDialog(int nResult);
    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The dialog's template, or nullptr when it is not registered.
    const ui::DialogTemplate* FindTemplate() const;

    // Transfers the members to the controls; TRUE lets the focus go to the
    // first tab stop.
    virtual BOOL OnInitDialog();
    // Transfers the controls to the members and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

  protected:
    // Builds the model window of the template as a top-level dialog.
    BOOL CreateDialogWindow();
    void DestroyDialogWindow();
    CCmdTarget* GetCommandRouteNext() const override;

    UINT m_nIDTemplate = 0;
    const ui::DialogTemplate* m_pTemplate = nullptr;  // set for indirect dialogs
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    std::unique_ptr<ui::Window> m_window;
};
