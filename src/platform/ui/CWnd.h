// CWnd: the framework object of a window. It holds the window's handle and
// takes its messages through its message map; its operations act on the
// model's window (ui::Window) that the handle names, so a CWnd that merely
// wraps a control (GetDlgItem, DDX_Control) acts on that control.
#pragma once

#include <memory>

#include "platform/CString.h"
#include "platform/ui/Font.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

class CDataExchange;

class CWnd : public CCmdTarget {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    // The framework object of a live window: its owner, else a wrapper kept
    // for the window's lifetime; nullptr for a dead or null handle.
    static CWnd* FromHandle(HWND hWnd);

    // The control `nID` of this dialog or page (of the sheet: its buttons),
    // or nullptr.
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;

    // Enables or disables input; returns TRUE when it was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;

    // The font in use (WM_GETFONT), or nullptr.
    CFont* GetFont() const;
    // Sets the font (WM_SETFONT); the window keeps the handle, not the object.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    BOOL RedrawWindow();
    // Gives the keyboard focus to this control; returns the previous focus.
    CWnd* SetFocus();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Moves every bound member at once: to the members when
    // bSaveAndValidate is TRUE, to the controls when FALSE. FALSE when a
    // bound control does not exist.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message handling: the message map first, then the defaults.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A WM_COMMAND: TRUE when something took it.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // The window's own default handling.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Makes this object the framework object of `hWnd` (it takes the
    // window's messages from now on). FALSE when this object already has a
    // window or the handle is dead.
    BOOL SubclassWindow(HWND hWnd);

    // The model window this object names, or nullptr.
    ui::Window* GetModelWindow() const { return ui::Window::FromHandle(m_hWnd); }

    DECLARE_MESSAGE_MAP()

  protected:
    // Where a command that no entry of this object took goes next; nullptr
    // for nowhere. Pages pass them to their sheet; top-level windows pass
    // them to the application.
    virtual CCmdTarget* GetCommandRouteNext() const;
    // Attaches this object to a freshly created model window as its owner.
    void AttachModelWindow(ui::Window& window);
    void DetachModelWindow();
};
