// The mouse half of a clickable control, shared by push buttons, check
// boxes and radio buttons: pressed while the left button that went down on
// the control stays inside it; a release inside reports a click to the model.
#pragma once

#include <FL/Fl_Widget.H>

#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

class MouseClick {
  public:
    // Handles a mouse event for `widget`, bound to `binding`'s model control;
    // returns what Fl_Widget::handle returns for it.
    int Handle(int event, Fl_Widget& widget, const ModelBinding& binding);
    // The mouse is down on the control and inside it: draw it pressed.
    bool Pressed() const { return m_pressed; }

  private:
    bool m_pressed = false;
    bool m_tracking = false;  // the mouse went down on the control
};

}  // namespace ui::fltk
