// The message box: one text and an OK button, shown modally over the
// active window. Built from a template of the platform's own that is sized
// for its text: the box widens up to a limit, then grows by lines.
#pragma once

#include <array>
#include <string>

#include "platform/ui/CDialog.h"

// Message box types, as the original platform numbers them. Only the OK
// button is offered; the icon kind is accepted for the Windows build and
// not drawn here.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONEXCLAMATION = 0x30;

namespace ui {

// Identifiers of the message box's template and its text.
constexpr UINT IDD_MESSAGE_BOX = 0x7F20;
constexpr int IDC_MESSAGE_BOX_TEXT = 0x7F21;

class CMessageBox : public CDialog {
  public:
    // A box captioned `caption` that shows `text`; `type` is MB_OK with an
    // optional icon kind.
    CMessageBox(const CString& text, const CString& caption, UINT type, CWnd* pParent);
    CMessageBox(const CMessageBox&) = delete;
    CMessageBox& operator=(const CMessageBox&) = delete;

    // An OK-only box ends with IDOK however it is closed (Escape, close box).
    void OnCancel() override;

  private:
    std::string m_text;
    std::string m_caption;
    std::array<ControlTemplate, 2> m_controls;
    DialogTemplate m_template;  // points into the members above
};

// Shows `text` in a modal message box over `pParent`, or over the active
// window when null, and waits for OK. UI thread only. Returns IDOK.
int ShowMessageBox(const CString& text, const CString& caption, UINT type = MB_OK,
                   CWnd* pParent = nullptr);

}  // namespace ui
