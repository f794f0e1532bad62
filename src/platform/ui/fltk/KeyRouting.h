// Keys go to the model, never to FLTK's own navigation: the model owns the
// keyboard rules (tab order, mnemonics, default and cancel buttons).
#pragma once

namespace ui::fltk {

// Passes the current FLTK key event to the model's active window. Returns
// true when the key is one the model takes (whether or not it acted).
bool RouteKeyEvent();

}  // namespace ui::fltk
