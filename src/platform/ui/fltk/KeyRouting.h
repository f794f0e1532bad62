// Keys go to the model, never to FLTK's own navigation: the model owns the
// keyboard rules (tab order, mnemonics, default and cancel buttons). FLTK's
// key codes are translated here into the virtual-key codes of the shared
// rules (platform/ui/KeyRouting.h), which decide.
#pragma once

namespace ui::fltk {

// The virtual-key code of FLTK key `key` (Fl::event_key()), 0 for a key the
// model has no name for. With Ctrl or Meta held (`command`) a letter or
// digit names nothing, so that it never acts as a mnemonic.
unsigned VirtualKeyOf(int key, bool command);
// Passes the current FLTK key event to the model's active window. Returns
// true when the key is one the model takes (whether or not it acted).
bool RouteKeyEvent();

}  // namespace ui::fltk
