// User input, as the model takes it. A renderer turns its toolkit's events
// into these calls; tests make the same calls. Each returns true when the
// input had an effect, false when the model rejected it (the target is
// disabled, hidden, not in the active window, or the key means nothing there).
//
// Keyboard rules, as in the dialogs users know:
// - Tab and Shift+Tab move the focus to the next or previous enabled,
//   visible WS_TABSTOP control after the focused one in template order,
//   wrapping; in a wizard the current page's controls come first, then the
//   sheet's buttons. A group whose members have no tab stop of their own is
//   thus one stop: Tab from any member leaves it.
// - Arrow keys move the focus within the focused control's group; an
//   automatic radio button that receives it this way is also clicked.
// - Space clicks the focused button, check box or radio button.
// - Enter presses the focused push button; otherwise the default button: in
//   a wizard Next or Finish, whichever is shown; in a dialog the
//   BS_DEFPUSHBUTTON control, else OK. A disabled button is never pressed.
// - Escape and the close box press Cancel, unless Cancel is disabled.
// - Alt+letter (and the plain letter, when focus is not in an edit field)
//   acts on the control whose text marks that letter with '&': buttons are
//   clicked, a static text passes the focus to the next tab stop after it.
//   When several controls mark the letter, it only moves the focus to the
//   next of them after the focused control, wrapping, and presses nothing.
// - F1 presses the Help button, when one is shown and enabled.
// - While the active window is busy (Window::IsBusy) it takes only Escape,
//   its close box and a click on its Cancel button; all other input is
//   dropped.
#pragma once

#include <string_view>

#include "platform/ui/Window.h"

namespace ui {

enum class Key { Tab, Enter, Escape, Space, Left, Right, Up, Down, F1 };

struct Modifiers {
    bool shift = false;
    bool alt = false;
};

// The window that takes input now: the innermost open modal window.
Window* ActiveWindow();
// The button Enter presses in `top` when the focus is on no usable push
// button (see Enter above), or nullptr; it may be disabled or hidden, and
// Enter then presses nothing.
Window* DefaultButton(Window& top);
// True for the push button Enter would press, which renderers frame darkly:
// the focused usable push button, else the default one; a disabled button
// never is. The focused one counts by its own enabled state, not its
// window's, so it keeps the frame while a modal dialog disables its window.
bool WearsDefaultFrame(Window& button);

// A mouse click on a control: focuses it (when it is a tab stop or an edit
// field) and clicks it (push button, check box, radio button).
bool ClickControl(HWND control);
// A key pressed in the active window.
bool PressKey(Key key, Modifiers modifiers = {});
// A character typed in the active window: a mnemonic, or text for the
// focused edit field (appended at its end).
bool TypeCharacter(char ch, Modifiers modifiers = {});
// The user changed the whole text of an edit field (a toolkit's text widget
// reports its new contents); sends EN_CHANGE.
bool EditText(HWND edit, std::string_view text);
// The close box of a top-level window.
bool CloseWindow(HWND topLevel);
// Moves the focus to a control of the active window.
bool FocusControl(HWND control);

}  // namespace ui
