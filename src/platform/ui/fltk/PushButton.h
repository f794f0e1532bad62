// A push button with the classic bevel: raised when up, sunken while the
// mouse holds it, a dark frame when Enter would press it (the focused push
// button, else the default one), the dotted focus rectangle when it has the
// model's focus. A click is reported to
// the model, which decides what it does.
#pragma once

#include <FL/Fl_Widget.H>

#include "platform/ui/fltk/ModelBinding.h"
#include "platform/ui/fltk/MouseClick.h"

namespace ui::fltk {

class PushButton final : public Fl_Widget, public ModelBinding {
  public:
    PushButton(HWND control, int x, int y, int w, int h);

    void draw() override;
    int handle(int event) override;

  private:
    MouseClick m_mouse;
};

}  // namespace ui::fltk
