// A one-line text field (masked for ES_PASSWORD). FLTK edits the text;
// every change goes to the model at once, and the keys that belong to the
// dialog (Tab, Enter, Escape, Alt+letter) are left to the window.
#pragma once

#include <FL/Fl_Input.H>

#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

class EditField final : public Fl_Input, public ModelBinding {
  public:
    EditField(HWND control, int x, int y, int w, int h);

    // Shows the model's text and font, keeping the cursor when the text is
    // what the field already holds.
    void Refresh();
    void draw() override;
    int handle(int event) override;

  private:
    static void Changed(Fl_Widget* widget, void* data);
};

}  // namespace ui::fltk
