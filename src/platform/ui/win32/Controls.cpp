#include "platform/ui/win32/Controls.h"

#include <vector>

#include "platform/os/win32/WideText.h"
#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

namespace {

struct NativeClass {
    const wchar_t* name;
    DWORD style;
};

NativeClass ClassOf(ControlKind kind, DWORD templateStyle) {
    switch (kind) {
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY};
        case ControlKind::AutoCheckBox:
            return {L"BUTTON", BS_CHECKBOX | BS_NOTIFY};
        case ControlKind::AutoRadioButton:
            return {L"BUTTON", BS_RADIOBUTTON | BS_NOTIFY};
        case ControlKind::ProgressBar:
            return {PROGRESS_CLASSW, templateStyle & WS_BORDER};
        case ControlKind::Picture:
            return {L"STATIC", SS_BITMAP};
        case ControlKind::Edit:
            return {L"EDIT", ES_LEFT | (templateStyle & (ES_PASSWORD | ES_AUTOHSCROLL))};
        case ControlKind::Static:
            break;
    }
    return {L"STATIC", SS_LEFT | (templateStyle & WS_BORDER)};
}

}  // namespace

bool InitialiseControls() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&controls) != FALSE;
}

HWND CreateControl(HWND parent, const ControlPlan& plan) {
    NativeClass native = ClassOf(plan.kind, plan.style);
    DWORD style = WS_CHILD | native.style;
    if (plan.visible) style |= WS_VISIBLE;
    if (!plan.enabled) style |= WS_DISABLED;
    // Edit fields wear the sunken edge of their kind rather than a flat line.
    DWORD exStyle = plan.kind == ControlKind::Edit ? WS_EX_CLIENTEDGE : 0;
    std::wstring text = os::WideFromUtf8(plan.text);
    return CreateWindowExW(exStyle, native.name, text.c_str(), style, plan.rect.x, plan.rect.y,
                           plan.rect.w, plan.rect.h, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

void SetText(HWND window, std::string_view text) {
    if (TextOf(window) == text) return;
    SetWindowTextW(window, os::WideFromUtf8(text).c_str());
}

std::string TextOf(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return os::Utf8FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
}

void SetEnabled(HWND window, bool enabled) {
    EnableWindow(window, enabled ? TRUE : FALSE);
}

void SetVisible(HWND window, bool visible) {
    ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

void Move(HWND window, PixelRect rect) {
    SetWindowPos(window, nullptr, rect.x, rect.y, rect.w, rect.h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetFont(HWND window, HFONT font) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void SetCheck(HWND button, UINT check) {
    SendMessageW(button, BM_SETCHECK, check, 0);
    // Wine repaints only the check mark and wipes the focus rectangle.
    if (GetFocus() == button) InvalidateRect(button, nullptr, TRUE);
}

void SetProgress(HWND bar, int low, int high, int pos) {
    SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(low), high);
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
}

void SetDefaultFrame(HWND button, bool framed) {
    bool isFramed = (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (isFramed == framed) return;
    SendMessageW(button, BM_SETSTYLE, (framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY,
                 TRUE);
}

void SetPicture(HWND picture, HBITMAP bitmap) {
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void Redraw(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

bool IsActive(HWND window) {
    return window != nullptr && GetActiveWindow() == window;
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

bool Focus(HWND window) {
    if (GetFocus() == window) return true;
    if (!IsWindowEnabled(window) || !IsWindowVisible(window)) return false;
    SetFocus(window);
    // A field the focus moves to shows its whole text selected, so that
    // typing replaces it, as dialog fields do.
    if (IsEditField(window)) SendMessageW(window, EM_SETSEL, 0, -1);
    return GetFocus() == window;
}

bool IsEditField(HWND window) {
    wchar_t name[8] = {};
    return window != nullptr && GetClassNameW(window, name, 8) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

}  // namespace ui::win32
