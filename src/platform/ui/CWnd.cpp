#include "platform/ui/CWnd.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageQueue.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    DetachModelWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    ui::Window* window = ui::Window::FromHandle(hWnd);
    if (window == nullptr) return nullptr;
    return window->Owner() != nullptr ? window->Owner() : window->Wrapper();
}

CWnd* CWnd::GetDlgItem(int nID) const {
    ui::Window* window = GetModelWindow();
    ui::Window* child = window ? window->FindChild(nID) : nullptr;
    return child ? FromHandle(child->Handle()) : nullptr;
}

CWnd* CWnd::GetParent() const {
    ui::Window* window = GetModelWindow();
    if (window == nullptr || window->Parent() == nullptr) return nullptr;
    return FromHandle(window->Parent()->Handle());
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    ui::Window* window = GetModelWindow();
    if (window == nullptr) return FALSE;
    BOOL wasDisabled = window->IsEnabled() ? FALSE : TRUE;
    window->SetEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    ui::Window* window = GetModelWindow();
    return window != nullptr && window->IsEnabled() ? TRUE : FALSE;
}

void CWnd::SetWindowText(LPCTSTR lpszString) {
    ::SendMessage(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString ? lpszString : ""));
}

void CWnd::GetWindowText(CString& rString) const {
    ui::Window* window = GetModelWindow();
    rString = window ? window->Text() : CString();
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (CWnd* item = GetDlgItem(nIDButton)) item->SendMessage(BM_SETCHECK, nCheck, 0);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    CWnd* item = GetDlgItem(nIDButton);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK, 0, 0)) : 0;
}

CFont* CWnd::GetFont() const {
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
    return CFont::FromHandle(hFont);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    HFONT hFont = pFont ? pFont->GetSafeHandle() : nullptr;
    ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

void CWnd::Invalidate(BOOL) {
    if (ui::Window* window = GetModelWindow()) window->Redraw();
}

BOOL CWnd::RedrawWindow() {
    ui::Window* window = GetModelWindow();
    if (window == nullptr) return FALSE;
    window->Redraw();
    return TRUE;
}

CWnd* CWnd::SetFocus() {
    ui::Window* window = GetModelWindow();
    if (window == nullptr) return nullptr;
    ui::Window* top = window->TopLevel();
    ui::Window* previous = top->Focus();
    top->SetFocus(window);
    return previous ? FromHandle(previous->Handle()) : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return exchange.m_bAllFound;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) return 0;
        return DefWindowProc(message, wParam, lParam);
    }
    const ui::MessageMapEntry* entry = FindMessageEntry(message, 0, 0);
    if (entry != nullptr && entry->onMessage != nullptr) {
        return (this->*(entry->onMessage))(wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    if (OnCmdMsg(id, code)) return TRUE;
    for (CCmdTarget* next = GetCommandRouteNext(); next != nullptr;) {
        if (next->OnCmdMsg(id, code)) return TRUE;
        auto* wnd = dynamic_cast<CWnd*>(next);
        next = wnd ? wnd->GetCommandRouteNext() : nullptr;
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::Window* window = GetModelWindow();
    return window ? window->DefaultProc(message, wParam, lParam) : 0;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    ui::Window* window = ui::Window::FromHandle(hWnd);
    if (window == nullptr || window->Owner() != nullptr || GetModelWindow() != nullptr) {
        return FALSE;
    }
    window->SetOwner(this);
    m_hWnd = hWnd;
    return TRUE;
}

CCmdTarget* CWnd::GetCommandRouteNext() const {
    return nullptr;
}

void CWnd::AttachModelWindow(ui::Window& window) {
    window.SetOwner(this);
    m_hWnd = window.Handle();
}

void CWnd::DetachModelWindow() {
    ui::Window* window = GetModelWindow();
    if (window != nullptr && window->Owner() == this) window->SetOwner(nullptr);
    m_hWnd = nullptr;
}
