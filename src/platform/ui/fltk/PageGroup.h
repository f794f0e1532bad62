// The area of one property page inside the sheet. It takes no keyboard
// focus and does no navigation of its own: keys belong to the model.
#pragma once

#include <FL/Fl_Group.H>

#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

class PageGroup final : public Fl_Group, public ModelBinding {
  public:
    PageGroup(HWND page, int x, int y, int w, int h);

    int handle(int event) override;
};

}  // namespace ui::fltk
