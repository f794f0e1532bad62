#include "platform/ui/DataExchange.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/MessageQueue.h"

namespace {

// The control `nIDC` of the exchanging dialog; marks the exchange when it is missing.
ui::Window* FindControl(CDataExchange* pDX, int nIDC) {
    ui::Window* dialog = pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetModelWindow() : nullptr;
    ui::Window* control = dialog ? dialog->FindChild(nIDC) : nullptr;
    if (control == nullptr) pDX->m_bAllFound = FALSE;
    return control;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    ui::Window* control = FindControl(pDX, nIDC);
    if (control == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        value = control->Text();
    } else {
        ::SendMessage(control->Handle(), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(value.GetString()));
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    ui::Window* control = FindControl(pDX, nIDC);
    if (control == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(control->Handle(), BM_GETCHECK, 0, 0));
    } else {
        UINT check = value == 1 ? BST_CHECKED : BST_UNCHECKED;
        ::SendMessage(control->Handle(), BM_SETCHECK, check, 0);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control) {
    if (control.GetModelWindow() != nullptr) return;  // bound already
    ui::Window* window = FindControl(pDX, nIDC);
    if (window == nullptr) return;
    if (!control.SubclassWindow(window->Handle())) pDX->m_bAllFound = FALSE;
}
