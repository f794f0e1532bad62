// A static text: left-aligned, wrapped at word boundaries inside its
// rectangle as the classic static control does, in the control's own font
// (the bold name on the operating-system page is one). Takes no input.
#pragma once

#include <FL/Fl_Widget.H>

#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

class StaticText final : public Fl_Widget, public ModelBinding {
  public:
    StaticText(HWND control, int x, int y, int w, int h);

    void draw() override;
};

}  // namespace ui::fltk
