// Check boxes and radio buttons of the classic size: a 13-pixel sunken box
// with a tick, or a 12-pixel sunken circle with a dot, the text to its
// right (sizes at the classic density; at a higher one each pixel of the
// glyphs is a square as wide as the density's lines). The model owns the
// check state; a click is reported to it.
#pragma once

#include <FL/Fl_Widget.H>

#include "platform/ui/fltk/ModelBinding.h"
#include "platform/ui/fltk/MouseClick.h"

namespace ui::fltk {

class CheckButton final : public Fl_Widget, public ModelBinding {
  public:
    enum class Shape { Box, Radio };
    CheckButton(HWND control, Shape shape, int x, int y, int w, int h);

    void draw() override;
    int handle(int event) override;

  private:
    void DrawBox(int bx, int by, bool enabled, bool checked) const;
    void DrawRadio(int bx, int by, bool enabled, bool checked) const;

    Shape m_shape;
    MouseClick m_mouse;
};

}  // namespace ui::fltk
