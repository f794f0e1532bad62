#include "platform/ui/fltk/PushButton.h"

#include <FL/fl_draw.H>

#include "platform/ui/Input.h"
#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"
#include "platform/ui/fltk/TextFit.h"

namespace ui::fltk {

PushButton::PushButton(HWND control, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control) {}

void PushButton::draw() {
    Window* model = Model();
    fl_color(Colour(classic::kFace));
    fl_rectf(x(), y(), w(), h());
    if (model == nullptr) return;
    int line = Density::Line();
    int bx = x(), by = y(), bw = w(), bh = h();
    bool framed = m_mouse.Pressed() || ui::WearsDefaultFrame(*model);
    if (framed) {
        DrawFrame(bx, by, bw, bh, Colour(classic::kText), Colour(classic::kText));
        bx += line;
        by += line;
        bw -= 2 * line;
        bh -= 2 * line;
    }
    if (m_mouse.Pressed()) {
        DrawFrame(bx, by, bw, bh, Colour(classic::kShadow), Colour(classic::kShadow));
    } else {
        DrawRaisedEdge(bx, by, bw, bh);
    }
    // Pressed, the label moves one line down and right.
    int shift = m_mouse.Pressed() ? line : 0;
    PixelRect text = TextArea(ControlKind::PushButton, {x(), y(), w(), h()});
    DrawControlText(TextOf(*model), model->Font(), text.x + shift, text.y + shift, text.w, text.h,
                    TextAlign::Center, false, model->IsEnabled());
    int inset = 4 * line;
    if (HasModelFocus() && model->IsEnabled()) {
        DrawFocusRect(x() + inset, y() + inset, w() - 2 * inset, h() - 2 * inset);
    }
}

int PushButton::handle(int event) {
    return m_mouse.Handle(event, *this, *this);
}

}  // namespace ui::fltk
