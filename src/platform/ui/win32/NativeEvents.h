// What the native windows report back: the few events the window model
// takes as input. Every handle here is a native one. The renderer fills it
// in and turns each event into the model's input functions, so that the
// model, not the dialog manager, decides what a click or a key does.
#pragma once

#include "platform/Types.h"

namespace ui::win32 {

class NativeEvents {
  public:
    // A button was clicked (BN_CLICKED, or the second click of a double click).
    virtual void Clicked(HWND control) = 0;
    // The user changed an edit field's text (EN_CHANGE).
    virtual void EditChanged(HWND edit) = 0;
    // A control took the keyboard focus, by a mouse click on it.
    virtual void FocusEntered(HWND control) = 0;
    // The top-level window got the keyboard focus (it was activated).
    virtual void Activated(HWND topLevel) = 0;
    // The close box, Alt+F4 or the system menu's Close.
    virtual void CloseBox(HWND topLevel) = 0;
    // A key went down in one of the windows; `inEdit`: the focus is in an
    // edit field. True when the model took the key (it never reaches a control).
    virtual bool KeyDown(unsigned virtualKey, bool shift, bool alt, bool inEdit) = 0;
    // A character typed outside edit fields.
    virtual void Character(wchar_t ch) = 0;

  protected:
    ~NativeEvents() = default;
};

}  // namespace ui::win32
