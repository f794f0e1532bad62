// The model's window: what the user sees of a dialog, a property sheet, a
// page or a control, kept as plain state (text, enabled, visible, check,
// font, progress, rectangle, focus, busy) together with the window's default
// behaviour. Renderers read this state and are told of every change; the
// framework classes (CWnd and its kin) act on it through window handles.
#pragma once

#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Font.h"
#include "platform/ui/WindowHandles.h"

class CWnd;

namespace ui {

enum class WindowRole {
    Dialog,   // a top-level dialog built from a template
    Sheet,    // a top-level property sheet (wizard); pages and its buttons are children
    Page,     // a property page inside a sheet, built from a template
    Control,  // a control inside a dialog, a page or the sheet's button row
};

// What changed, for Renderer::WindowChanged.
enum Change : unsigned {
    kChangeText = 1u << 0,
    kChangeEnabled = 1u << 1,
    kChangeCheck = 1u << 2,
    kChangeVisible = 1u << 3,
    kChangeFont = 1u << 4,
    kChangeProgress = 1u << 5,
    kChangeRect = 1u << 6,
    kChangeDefault = 1u << 7,  // which push button Enter presses
    kChangeRedraw = 1u << 8,   // nothing in the model changed; paint again
    kChangeBusy = 1u << 9,     // a top-level window began or ended waiting for work
};

class Window final : public MessageTarget {
  public:
    // A top-level dialog or a page with the controls of `dialogTemplate`.
    Window(WindowRole role, const DialogTemplate& dialogTemplate, Window* parent);
    // A window without a template (the sheet), sized in dialog units.
    Window(WindowRole role, const char* text, DialogRect rect, Window* parent);
    // A control from a template row.
    Window(const ControlTemplate& control, Window* parent);
    // A control that no template lists (the sheet's buttons).
    Window(ControlKind kind, int id, const char* text, DialogRect rect, DWORD style,
           Window* parent);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    // The live window named by `hWnd`, or nullptr.
    static Window* FromHandle(HWND hWnd);

    // --- What renderers and tests read --------------------------------------
    HWND Handle() const { return m_hWnd; }
    WindowRole Role() const { return m_role; }
    bool IsTopLevel() const { return m_role == WindowRole::Dialog || m_role == WindowRole::Sheet; }
    Window* Parent() const { return m_parent; }
    // The dialog or sheet this window belongs to (itself when top-level).
    Window* TopLevel();
    // Children in template order (tab and drawing order); the sheet lists its
    // buttons, then its pages in the order they were first visited.
    const std::vector<std::unique_ptr<Window>>& Children() const { return m_children; }
    // The child with identifier `id`, or nullptr.
    Window* FindChild(int id) const;
    // The first child that takes the focus, in tab order: a WS_TABSTOP
    // control, itself visible and enabled (this window may not be shown yet).
    Window* FirstTabStop() const;

    const DialogTemplate* Template() const { return m_template; }  // dialogs and pages
    ControlKind Kind() const { return m_kind; }                    // controls
    int Id() const { return m_id; }
    DWORD Style() const { return m_style; }
    UINT ImageId() const { return m_imageId; }  // pictures
    // Position and size in dialog units, in the parent's client area
    // (top-level windows: x and y are 0).
    DialogRect Rect() const { return m_rect; }
    const CString& Text() const { return m_text; }
    bool IsEnabled() const { return m_enabled; }
    bool IsVisible() const { return m_visible; }
    // The window and all its ancestors are enabled and visible.
    bool IsEffectivelyEnabled() const;
    bool IsEffectivelyVisible() const;
    UINT Check() const { return m_check; }
    // The font in effect: the window's own, else its dialog's.
    LOGFONT Font() const;
    HFONT FontHandle() const { return m_font; }
    int ProgressLow() const { return m_progressLow; }
    int ProgressHigh() const { return m_progressHigh; }
    int ProgressPos() const { return m_progressPos; }
    // Push buttons: the one Enter presses when focus is elsewhere.
    bool IsDefaultButton() const { return m_default; }
    // Top-level windows: the control that has the keyboard focus, or nullptr.
    Window* Focus() const { return m_focus; }
    // Top-level windows: work the window waits for is under way; it takes
    // no input but what cancels (see platform/ui/Input.h).
    bool IsBusy() const { return m_busy; }
    // Controls: starts a group (WS_GROUP, and every static text or picture).
    bool StartsGroup() const;
    // The framework object that takes this window's messages, or nullptr.
    CWnd* Owner() const { return m_owner; }
    // A framework object for a window without owner (GetDlgItem's answer),
    // kept as long as the window lives.
    CWnd* Wrapper();

    // --- Changes: each one tells the renderer -------------------------------
    void SetText(const CString& text);
    void SetEnabled(bool enabled);
    void SetVisible(bool visible);
    void SetCheck(UINT check);
    void SetFont(HFONT font, bool redraw);
    void SetProgressRange(int low, int high);
    int SetProgressPos(int pos);  // clamped to the range; returns the previous position
    void SetDefaultButton(bool isDefault);
    void SetRect(DialogRect rect);
    void SetFocus(Window* control);  // top-level windows only
    void SetBusy(bool busy);         // top-level windows only
    void Redraw();
    void SetOwner(CWnd* owner) { m_owner = owner; }
    // A click (BM_CLICK): an automatic check box toggles, an automatic radio
    // button checks itself and clears the others of its group, and the
    // parent gets BN_CLICKED. Nothing happens while disabled.
    void Click();
    // The close box (WM_CLOSE): Cancel, unless a Cancel button is disabled.
    void Close();
    // The controls of this control's group, in template order.
    std::vector<Window*> GroupOf();

    // Adds a child built by the caller (pages of a sheet, the sheet's buttons).
    Window& AddChild(std::unique_ptr<Window> child);

    // Routes to the owner's message handling, else to DefaultProc.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window's own handling of the standard messages (text, font, check,
    // progress, close, default id); 0 for the rest.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    Window(WindowRole role, Window* parent);
    void Changed(unsigned changes);
    // Dialogs, pages and the sheet: the font their controls start in.
    void CreateDialogFont(const char* face, int pointSize);
    void CreateControls(const DialogTemplate& dialogTemplate);

    WindowRole m_role;
    Window* m_parent;
    HWND m_hWnd = nullptr;
    std::vector<std::unique_ptr<Window>> m_children;
    const DialogTemplate* m_template = nullptr;
    ControlKind m_kind = ControlKind::Static;
    int m_id = 0;
    DWORD m_style = 0;
    UINT m_imageId = 0;
    DialogRect m_rect{};
    CString m_text;
    bool m_enabled = true;
    bool m_visible = true;
    UINT m_check = 0;
    HFONT m_font = nullptr;
    LOGFONT m_fontDescription{};          // kept, so a font deleted while in use still draws
    std::unique_ptr<CFont> m_dialogFont;  // dialogs and pages: the template's font
    int m_progressLow = 0;
    int m_progressHigh = 100;
    int m_progressPos = 0;
    bool m_default = false;
    Window* m_focus = nullptr;
    bool m_busy = false;
    CWnd* m_owner = nullptr;
    std::unique_ptr<CWnd> m_wrapper;
};

}  // namespace ui
