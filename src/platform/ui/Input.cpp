#include "platform/ui/Input.h"

#include <cctype>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ModalLoop.h"

namespace ui {
namespace {

bool IsUsable(const Window& control) {
    return control.IsEffectivelyVisible() && control.IsEffectivelyEnabled();
}

// A control that input may reach now: usable and inside the active window.
Window* ReachableControl(HWND hWnd) {
    Window* control = Window::FromHandle(hWnd);
    if (control == nullptr || control->Role() != WindowRole::Control) return nullptr;
    if (!IsUsable(*control) || control->TopLevel() != ActiveWindow()) return nullptr;
    return control;
}

// The controls that keyboard input of `top` moves among, in tab order: a
// dialog's own; in a sheet the shown page's, then the sheet's buttons.
std::vector<Window*> KeyboardScope(Window& top) {
    std::vector<Window*> scope;
    for (const auto& child : top.Children()) {
        if (child->Role() == WindowRole::Page && child->IsVisible()) {
            for (const auto& control : child->Children()) scope.push_back(control.get());
        }
    }
    for (const auto& child : top.Children()) {
        if (child->Role() == WindowRole::Control) scope.push_back(child.get());
    }
    return scope;
}

bool Click(Window& control) {
    if (!IsButtonKind(control.Kind()) || !IsUsable(control)) return false;
    control.TopLevel()->SetFocus(&control);
    ::SendMessage(control.Handle(), BM_CLICK, 0, 0);
    return true;
}

bool MoveFocusByTab(Window& top, bool backwards) {
    std::vector<Window*> stops;
    for (Window* control : KeyboardScope(top)) {
        if ((control->Style() & WS_TABSTOP) != 0 && IsUsable(*control)) stops.push_back(control);
    }
    if (stops.empty()) return false;
    size_t count = stops.size();
    size_t current = count;
    for (size_t i = 0; i < count; ++i) {
        if (stops[i] == top.Focus()) current = i;
    }
    size_t next;
    if (current == count) {
        next = backwards ? count - 1 : 0;
    } else {
        next = backwards ? (current + count - 1) % count : (current + 1) % count;
    }
    top.SetFocus(stops[next]);
    return true;
}

bool MoveFocusInGroup(Window& top, bool backwards) {
    Window* focus = top.Focus();
    if (focus == nullptr) return false;
    std::vector<Window*> members;
    for (Window* control : focus->GroupOf()) {
        if (IsButtonKind(control->Kind()) && IsUsable(*control)) members.push_back(control);
    }
    size_t count = members.size();
    size_t current = count;
    for (size_t i = 0; i < count; ++i) {
        if (members[i] == focus) current = i;
    }
    if (count < 2 || current == count) return false;
    Window* next = members[backwards ? (current + count - 1) % count : (current + 1) % count];
    top.SetFocus(next);
    if (next->Kind() == ControlKind::AutoRadioButton) ::SendMessage(next->Handle(), BM_CLICK, 0, 0);
    return true;
}

}  // namespace

// The button Enter presses when the focus is not on a push button.
Window* DefaultButton(Window& top) {
    Window* okButton = nullptr;
    for (Window* control : KeyboardScope(top)) {
        if (control->Kind() != ControlKind::PushButton) continue;
        if (control->IsDefaultButton() && control->IsEffectivelyVisible()) return control;
        if (control->Id() == IDOK && top.Role() == WindowRole::Dialog) okButton = control;
    }
    return okButton;
}

namespace {

bool PressEnter(Window& top) {
    Window* focus = top.Focus();
    if (focus != nullptr && focus->Kind() == ControlKind::PushButton && IsUsable(*focus)) {
        return Click(*focus);
    }
    Window* button = DefaultButton(top);
    return button != nullptr && Click(*button);
}

bool CloseTop(Window& top) {
    Window* cancel = top.FindChild(IDCANCEL);
    if (cancel != nullptr && !cancel->IsEnabled()) return false;
    ::SendMessage(top.Handle(), WM_CLOSE, 0, 0);
    return true;
}

// The letter a text marks with '&' ("&&" is a literal ampersand), or 0.
char MnemonicOf(const CString& text) {
    for (int i = 0; i + 1 < text.GetLength(); ++i) {
        if (text.GetAt(i) != '&') continue;
        if (text.GetAt(i + 1) == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(text.GetAt(i + 1))));
    }
    return 0;
}

bool PressMnemonic(Window& top, char letter) {
    char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    std::vector<Window*> scope = KeyboardScope(top);
    for (size_t i = 0; i < scope.size(); ++i) {
        Window* control = scope[i];
        if (!control->IsEffectivelyVisible() || MnemonicOf(control->Text()) != wanted) continue;
        if (control->Kind() == ControlKind::Static) {
            // A label hands the focus to the next control that takes it.
            for (size_t j = i + 1; j < scope.size(); ++j) {
                if ((scope[j]->Style() & WS_TABSTOP) != 0 && IsUsable(*scope[j])) {
                    top.SetFocus(scope[j]);
                    return true;
                }
            }
            return false;
        }
        if (IsUsable(*control)) return Click(*control);
    }
    return false;
}

}  // namespace

Window* ActiveWindow() {
    const auto& windows = OpenTopLevelWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if ((*it)->IsVisible() && (*it)->IsEnabled()) return *it;
    }
    return nullptr;
}

bool ClickControl(HWND hWnd) {
    Window* control = ReachableControl(hWnd);
    if (control == nullptr) return false;
    if (control->Kind() == ControlKind::Edit) {
        control->TopLevel()->SetFocus(control);
        return true;
    }
    return Click(*control);
}

bool PressKey(Key key, Modifiers modifiers) {
    Window* top = ActiveWindow();
    if (top == nullptr) return false;
    switch (key) {
        case Key::Tab:
            return MoveFocusByTab(*top, modifiers.shift);
        case Key::Left:
        case Key::Up:
            return MoveFocusInGroup(*top, true);
        case Key::Right:
        case Key::Down:
            return MoveFocusInGroup(*top, false);
        case Key::Space: {
            Window* focus = top->Focus();
            return focus != nullptr && Click(*focus);
        }
        case Key::Enter:
            return PressEnter(*top);
        case Key::Escape:
            return CloseTop(*top);
    }
    return false;
}

bool TypeCharacter(char ch, Modifiers modifiers) {
    Window* top = ActiveWindow();
    if (top == nullptr) return false;
    Window* focus = top->Focus();
    bool inEdit = focus != nullptr && focus->Kind() == ControlKind::Edit && IsUsable(*focus);
    if (modifiers.alt || !inEdit) return PressMnemonic(*top, ch);
    CString text = focus->Text();
    text += ch;
    return EditText(focus->Handle(), text.str());
}

bool EditText(HWND hWnd, std::string_view text) {
    Window* edit = ReachableControl(hWnd);
    if (edit == nullptr || edit->Kind() != ControlKind::Edit) return false;
    edit->SetText(CString(text));
    if (Window* parent = edit->Parent()) {
        ::SendMessage(parent->Handle(), WM_COMMAND,
                      MAKEWPARAM(static_cast<unsigned>(edit->Id()), EN_CHANGE),
                      reinterpret_cast<LPARAM>(edit->Handle()));
    }
    return true;
}

bool CloseWindow(HWND hWnd) {
    Window* top = Window::FromHandle(hWnd);
    if (top == nullptr || !top->IsTopLevel() || top != ActiveWindow()) return false;
    return CloseTop(*top);
}

bool FocusControl(HWND hWnd) {
    Window* control = ReachableControl(hWnd);
    if (control == nullptr) return false;
    control->TopLevel()->SetFocus(control);
    return true;
}

}  // namespace ui
