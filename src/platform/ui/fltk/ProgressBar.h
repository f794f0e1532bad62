// The classic progress bar: a thin sunken frame filled from the left with
// blocks of the selection colour in proportion to the position.
#pragma once

#include <FL/Fl_Widget.H>

#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

class ProgressBar final : public Fl_Widget, public ModelBinding {
  public:
    ProgressBar(HWND control, int x, int y, int w, int h);

    void draw() override;
};

// How many pixels of `width` the bar fills at `pos` within low..high.
int ProgressFill(int width, int low, int high, int pos);

}  // namespace ui::fltk
