// CPropertySheet in wizard mode: owns the order of its pages and shows one
// at a time above a row of buttons: Back, Next (or Finish in its place),
// Cancel and Help. Pages set the buttons with SetWizardButtons, which posts
// PSM_SETWIZBUTTONS, so several settings in one turn end with the last.
// The window's title is the current page's caption.
#pragma once

#include <vector>

#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CWnd.h"

class CPropertySheet : public CWnd {
  public:
    // A sheet captioned with string `nIDCaption`, starting at page iSelectPage.
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // Appends a page (the sheet does not own it).
    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_nActive; }
    // The index of the page on template `nIDTemplate`, or -1.
    int FindPageByTemplate(UINT nIDTemplate) const;

    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    // Posts PSM_SETWIZBUTTONS with `dwFlags` (PSWIZB_*) to the sheet window.
    void SetWizardButtons(DWORD dwFlags);
    // Shows page `nPage` as if the user went there (OnKillActive, then OnSetActive).
    BOOL SetActivePage(int nPage);
    // The caption the sheet was constructed with.
    const CString& GetCaption() const { return m_strCaption; }

    // Runs the wizard modally; returns ID_WIZFINISH or IDCANCEL, and -1
    // when the sheet is not in wizard mode or has no page that accepts.
    virtual int DoModal();
    // Opens the wizard modeless: its window and first page exist and take
    // input, but nothing waits for it (DoModal opens it so before running its
    // loop); FALSE when it cannot. DestroyWindow closes it.
    BOOL Create();
    void DestroyWindow();
    // Ends the wizard with `nResult`.
    void EndDialog(int nResult);
    // The result once Finish or Cancel ended the wizard, else -1.
    int GetResult() const { return m_bEnded ? m_nResult : -1; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    struct SheetHeader {
        DWORD dwFlags = 0;
    } m_psh;

    DECLARE_MESSAGE_MAP()

  protected:
    CCmdTarget* GetCommandRouteNext() const override;

  private:
    void DestroyModelWindow();
    void CreateButtons(ui::Window& sheet);
    void LayoutButtons();
    void FocusFirstControl();
    ui::Window* FirstPageTabStop() const;
    void ApplyWizardButtons(DWORD dwFlags);
    void UpdateHelpButton();
    // Moves in `step` direction (+1 Next, -1 Back) after the page's answer.
    void Navigate(LRESULT answer, int step);
    // Shows page `target`, skipping pages that refuse in `step` direction.
    bool ActivatePage(int target, int step);
    void ShowPage(int index);
    void PressNext();
    void PressBack();
    void PressFinish();
    void PressCancel();
    void PressHelp();

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    std::vector<CPropertyPage*> m_pages;
    int m_nStartPage = 0;
    ui::DialogRect m_pageArea{};
    int m_nActive = -1;
    int m_nResult = -1;
    bool m_bEnded = false;
    std::unique_ptr<ui::Window> m_window;
};
