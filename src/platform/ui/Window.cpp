#include "platform/ui/Window.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/CWnd.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Renderer.h"

namespace ui {
namespace {

LOGFONT DescribeFont(const char* face, int pointSize) {
    LOGFONT lf;
    lf.lfHeight = PointSizeToHeight(pointSize);
    lf.lfWeight = FW_NORMAL;
    std::strncpy(lf.lfFaceName, face ? face : "", LF_FACESIZE - 1);
    return lf;
}

constexpr const char* kDefaultFontFace = "MS Sans Serif";
constexpr int kDefaultPointSize = 8;

}  // namespace

Window::Window(WindowRole role, Window* parent) : m_role(role), m_parent(parent) {
    m_hWnd = RegisterWindow(this);
}

Window::Window(WindowRole role, const DialogTemplate& dialogTemplate, Window* parent)
    : Window(role, parent) {
    m_template = &dialogTemplate;
    m_id = static_cast<int>(dialogTemplate.id);
    m_style = dialogTemplate.style;
    m_text = dialogTemplate.caption;
    m_rect = {0, 0, dialogTemplate.cx, dialogTemplate.cy};
    m_enabled = (m_style & WS_DISABLED) == 0;
    m_visible = false;  // shown by DoModal, or by the sheet
    CreateDialogFont(dialogTemplate.fontFace, dialogTemplate.pointSize);
    CreateControls(dialogTemplate);
}

Window::Window(WindowRole role, const char* text, DialogRect rect, Window* parent)
    : Window(role, parent) {
    m_text = text;
    m_rect = rect;
    m_visible = false;
    CreateDialogFont(kDefaultFontFace, kDefaultPointSize);
}

Window::Window(const ControlTemplate& control, Window* parent)
    : Window(control.kind, control.id, control.text, control.rect, control.style, parent) {
    m_imageId = control.imageId;
}

Window::Window(ControlKind kind, int id, const char* text, DialogRect rect, DWORD style,
               Window* parent)
    : Window(WindowRole::Control, parent) {
    m_kind = kind;
    m_id = id;
    m_text = text;
    m_rect = rect;
    m_style = style;
    m_enabled = (style & WS_DISABLED) == 0;
    m_default = kind == ControlKind::PushButton && (style & BS_DEFPUSHBUTTON) != 0;
    // Like the dialogs users know, every control starts in its dialog's font.
    if (parent != nullptr) {
        m_font = parent->m_font;
        m_fontDescription = parent->m_fontDescription;
    }
}

Window::~Window() {
    if (m_owner != nullptr) m_owner->m_hWnd = nullptr;
    m_children.clear();
    UnregisterWindow(m_hWnd);
}

void Window::CreateDialogFont(const char* face, int pointSize) {
    m_dialogFont = std::make_unique<CFont>();
    LOGFONT lf = DescribeFont(face, pointSize);
    m_dialogFont->CreateFontIndirect(&lf);
    m_font = m_dialogFont->GetSafeHandle();
    m_fontDescription = lf;
}

void Window::CreateControls(const DialogTemplate& dialogTemplate) {
    for (const ControlTemplate& control : dialogTemplate.controls) {
        m_children.push_back(std::make_unique<Window>(control, this));
    }
}

Window* Window::FromHandle(HWND hWnd) {
    return dynamic_cast<Window*>(FindWindowTarget(hWnd));
}

Window* Window::TopLevel() {
    Window* window = this;
    while (!window->IsTopLevel() && window->m_parent != nullptr) window = window->m_parent;
    return window;
}

Window* Window::FindChild(int id) const {
    for (const auto& child : m_children) {
        if (child->m_id == id) return child.get();
    }
    return nullptr;
}

Window* Window::FirstTabStop() const {
    for (const auto& child : m_children) {
        if ((child->m_style & WS_TABSTOP) != 0 && child->m_visible && child->m_enabled) {
            return child.get();
        }
    }
    return nullptr;
}

bool Window::IsEffectivelyEnabled() const {
    for (const Window* window = this; window != nullptr; window = window->m_parent) {
        if (!window->m_enabled) return false;
        if (window->IsTopLevel()) break;
    }
    return true;
}

bool Window::IsEffectivelyVisible() const {
    for (const Window* window = this; window != nullptr; window = window->m_parent) {
        if (!window->m_visible) return false;
        if (window->IsTopLevel()) break;
    }
    return true;
}

LOGFONT Window::Font() const {
    if (m_font != nullptr || m_role != WindowRole::Control) return m_fontDescription;
    return m_parent != nullptr ? m_parent->Font()
                               : DescribeFont(kDefaultFontFace, kDefaultPointSize);
}

bool Window::StartsGroup() const {
    return (m_style & WS_GROUP) != 0 || m_kind == ControlKind::Static ||
           m_kind == ControlKind::Picture;
}

CWnd* Window::Wrapper() {
    if (!m_wrapper) {
        m_wrapper = std::make_unique<CWnd>();
        m_wrapper->m_hWnd = m_hWnd;
    }
    return m_wrapper.get();
}

void Window::Changed(unsigned changes) {
    GetRenderer().WindowChanged(*this, changes);
}

void Window::SetText(const CString& text) {
    if (m_text == text) return;
    m_text = text;
    Changed(kChangeText);
}

void Window::SetEnabled(bool enabled) {
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    Changed(kChangeEnabled);
}

void Window::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    Changed(kChangeVisible);
}

void Window::SetCheck(UINT check) {
    if (m_check == check) return;
    m_check = check;
    Changed(kChangeCheck);
}

void Window::SetFont(HFONT font, bool redraw) {
    LOGFONT description;
    if (font == nullptr) {
        // No font of its own any more: back to the dialog's.
        m_font = nullptr;
        m_fontDescription = m_parent != nullptr ? m_parent->Font() : m_fontDescription;
    } else if (GetFontDescription(font, &description)) {
        m_font = font;
        m_fontDescription = description;
    } else {
        return;
    }
    Changed(kChangeFont | (redraw ? kChangeRedraw : 0u));
}

void Window::SetProgressRange(int low, int high) {
    m_progressLow = low;
    m_progressHigh = high;
    m_progressPos = std::clamp(m_progressPos, std::min(low, high), std::max(low, high));
    Changed(kChangeProgress);
}

int Window::SetProgressPos(int pos) {
    int previous = m_progressPos;
    m_progressPos = std::clamp(pos, std::min(m_progressLow, m_progressHigh),
                               std::max(m_progressLow, m_progressHigh));
    if (m_progressPos != previous) Changed(kChangeProgress);
    return previous;
}

void Window::SetDefaultButton(bool isDefault) {
    if (m_default == isDefault) return;
    m_default = isDefault;
    Changed(kChangeDefault);
}

void Window::SetRect(DialogRect rect) {
    if (m_rect == rect) return;
    m_rect = rect;
    Changed(kChangeRect);
}

void Window::SetFocus(Window* control) {
    if (m_focus == control) return;
    m_focus = control;
    GetRenderer().FocusChanged(*this, control);
}

void Window::SetBusy(bool busy) {
    if (m_busy == busy) return;
    m_busy = busy;
    Changed(kChangeBusy);
}

void Window::Redraw() {
    Changed(kChangeRedraw);
}

Window& Window::AddChild(std::unique_ptr<Window> child) {
    m_children.push_back(std::move(child));
    return *m_children.back();
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_owner != nullptr) return m_owner->WindowProc(message, wParam, lParam);
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            SetText(reinterpret_cast<const char*>(lParam));
            return TRUE;
        case WM_SETFONT:
            SetFont(reinterpret_cast<HFONT>(wParam), lParam != 0);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_font);
        case BM_GETCHECK:
            return static_cast<LRESULT>(m_check);
        case BM_SETCHECK:
            if (m_kind == ControlKind::AutoCheckBox || m_kind == ControlKind::AutoRadioButton) {
                SetCheck(static_cast<UINT>(wParam) == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
            }
            return 0;
        case BM_CLICK:
            Click();
            return 0;
        case PBM_SETRANGE: {
            LRESULT previous = MAKELPARAM(m_progressLow, m_progressHigh);
            SetProgressRange(static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam)));
            return previous;
        }
        case PBM_SETPOS:
            return SetProgressPos(static_cast<int>(wParam));
        case PBM_GETPOS:
            return m_progressPos;
        case WM_CLOSE:
            Close();
            return 0;
        default:
            return 0;
    }
}

void Window::Click() {
    if (m_role != WindowRole::Control || !IsButtonKind(m_kind) || !IsEffectivelyEnabled()) return;
    if (m_kind == ControlKind::AutoCheckBox) {
        SetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    } else if (m_kind == ControlKind::AutoRadioButton) {
        SetCheck(BST_CHECKED);
        for (Window* other : GroupOf()) {
            if (other != this && other->m_kind == ControlKind::AutoRadioButton) {
                other->SetCheck(BST_UNCHECKED);
            }
        }
    }
    if (m_parent != nullptr) {
        ::SendMessage(m_parent->m_hWnd, WM_COMMAND,
                      MAKEWPARAM(static_cast<unsigned>(m_id), BN_CLICKED),
                      reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void Window::Close() {
    if (!IsTopLevel()) return;
    Window* cancel = FindChild(IDCANCEL);
    if (cancel != nullptr && !cancel->IsEnabled()) return;  // nothing may cancel now
    ::SendMessage(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                  reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
}

std::vector<Window*> Window::GroupOf() {
    std::vector<Window*> group;
    if (m_parent == nullptr) return group;
    const auto& siblings = m_parent->m_children;
    size_t self = 0;
    while (self < siblings.size() && siblings[self].get() != this) ++self;
    size_t first = self;
    while (first > 0 && !siblings[first]->StartsGroup()) --first;
    for (size_t i = first; i < siblings.size(); ++i) {
        if (i > first && siblings[i]->StartsGroup()) break;
        group.push_back(siblings[i].get());
    }
    return group;
}

}  // namespace ui
