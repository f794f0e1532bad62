#include "platform/ui/Input.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ModalLoop.h"

namespace ui {
namespace {

bool IsUsable(const Window& control) {
    return control.IsEffectivelyVisible() && control.IsEffectivelyEnabled();
}

bool IsCancelButton(const Window& control) {
    return control.Kind() == ControlKind::PushButton && control.Id() == IDCANCEL;
}

// The active window, when it takes input other than what cancels.
Window* ActiveIdleWindow() {
    Window* top = ActiveWindow();
    return top != nullptr && !top->IsBusy() ? top : nullptr;
}

// A control that input may reach now: usable and inside the active window,
// and while that window is busy only its Cancel button.
Window* ReachableControl(HWND hWnd) {
    Window* control = Window::FromHandle(hWnd);
    if (control == nullptr || control->Role() != WindowRole::Control) return nullptr;
    if (!IsUsable(*control) || control->TopLevel() != ActiveWindow()) return nullptr;
    if (control->TopLevel()->IsBusy() && !IsCancelButton(*control)) return nullptr;
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

// The dialog manager's rule: the next (or previous) WS_TABSTOP control after
// the focused one in tab order, wrapping, wherever the focus is; from a
// radio button without a tab stop, Tab leaves its group instead of going
// back to the stop that led into it.
bool MoveFocusByTab(Window& top, bool backwards) {
    std::vector<Window*> scope = KeyboardScope(top);
    size_t count = scope.size();
    if (count == 0) return false;
    auto at = std::find(scope.begin(), scope.end(), top.Focus());
    // Without a focus in the scope the search starts just outside it.
    size_t start =
        at != scope.end() ? static_cast<size_t>(at - scope.begin()) : (backwards ? 0 : count - 1);
    for (size_t step = 1; step <= count; ++step) {
        size_t i = backwards ? (start + 2 * count - step) % count : (start + step) % count;
        Window* control = scope[i];
        if ((control->Style() & WS_TABSTOP) != 0 && IsUsable(*control)) {
            top.SetFocus(control);
            return true;
        }
    }
    return false;
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

bool WearsDefaultFrame(Window& button) {
    if (!button.IsEnabled()) return false;
    Window* topLevel = button.TopLevel();
    if (topLevel == nullptr) return false;
    Window* focus = topLevel->Focus();
    bool focusIsUsableButton = focus != nullptr && focus->Role() == WindowRole::Control &&
                               focus->Kind() == ControlKind::PushButton && focus->IsEnabled() &&
                               focus->IsEffectivelyVisible();
    if (focusIsUsableButton) return focus == &button;
    return DefaultButton(*topLevel) == &button;
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

// Where the mnemonic of scope[i] leads: a label to the next tab stop after
// it, any other control to itself; nullptr when it leads nowhere now.
Window* MnemonicTarget(const std::vector<Window*>& scope, size_t i) {
    Window* control = scope[i];
    if (control->Kind() != ControlKind::Static) return IsUsable(*control) ? control : nullptr;
    if (!control->IsEffectivelyVisible()) return nullptr;
    for (size_t j = i + 1; j < scope.size(); ++j) {
        if ((scope[j]->Style() & WS_TABSTOP) != 0 && IsUsable(*scope[j])) return scope[j];
    }
    return nullptr;
}

// A letter that one control marks acts on it: a button is clicked, a label
// hands the focus on. A letter that several mark only moves the focus to
// the next of them after the focus, so that each stays reachable.
bool PressMnemonic(Window& top, char letter) {
    char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    std::vector<Window*> scope = KeyboardScope(top);
    std::vector<size_t> owners;
    for (size_t i = 0; i < scope.size(); ++i) {
        if (MnemonicOf(scope[i]->Text()) == wanted && MnemonicTarget(scope, i) != nullptr) {
            owners.push_back(i);
        }
    }
    if (owners.empty()) return false;
    if (owners.size() == 1) {
        Window* control = scope[owners.front()];
        if (control->Kind() != ControlKind::Static) return Click(*control);
        top.SetFocus(MnemonicTarget(scope, owners.front()));
        return true;
    }
    size_t next = owners.front();  // round again, or nothing had the focus
    auto at = std::find(scope.begin(), scope.end(), top.Focus());
    if (at != scope.end()) {
        size_t focus = static_cast<size_t>(at - scope.begin());
        auto later = std::find_if(owners.begin(), owners.end(),
                                  [focus](size_t owner) { return owner > focus; });
        if (later != owners.end()) next = *later;
    }
    top.SetFocus(MnemonicTarget(scope, next));
    return true;
}

// F1: the Help button, when the window shows one that takes input. The
// focus stays where it is.
bool PressHelp(Window& top) {
    for (Window* control : KeyboardScope(top)) {
        if (control->Id() != ID_HELP || control->Kind() != ControlKind::PushButton) continue;
        if (!IsUsable(*control)) return false;
        ::SendMessage(control->Handle(), BM_CLICK, 0, 0);
        return true;
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
    if (key == Key::Escape) return CloseTop(*top);
    if (top->IsBusy()) return false;
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
        case Key::F1:
            return PressHelp(*top);
        case Key::Escape:
            break;  // taken above, busy or not
    }
    return false;
}

bool TypeCharacter(char ch, Modifiers modifiers) {
    Window* top = ActiveIdleWindow();
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
