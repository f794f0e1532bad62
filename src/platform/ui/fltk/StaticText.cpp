#include "platform/ui/fltk/StaticText.h"

#include <FL/fl_draw.H>

#include "platform/ui/fltk/ClassicLook.h"

namespace ui::fltk {

StaticText::StaticText(HWND control, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control) {}

void StaticText::draw() {
    fl_color(Colour(classic::kFace));
    fl_rectf(x(), y(), w(), h());
    Window* model = Model();
    if (model == nullptr) return;
    DrawControlText(TextOf(*model), model->Font(), x(), y(), w(), h(), TextAlign::Left, true,
                    model->IsEnabled());
}

}  // namespace ui::fltk
