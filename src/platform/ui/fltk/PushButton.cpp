#include "platform/ui/fltk/PushButton.h"

#include <FL/fl_draw.H>

#include "platform/ui/Input.h"
#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"
#include "platform/ui/fltk/TextFit.h"

namespace ui::fltk {

namespace {

bool IsUsablePushButton(const Window& window) {
    return window.Role() == WindowRole::Control && window.Kind() == ControlKind::PushButton &&
           window.IsEnabled() && window.IsEffectivelyVisible();
}

// The button that Enter would press wears the dark frame: the focused push
// button, else the default one. A disabled button never does. The focused
// button is judged by its own enabled state, not its window's, so that it
// keeps the frame while a modal dialog disables its window.
bool WearsDefaultFrame(Window& button) {
    if (!button.IsEnabled()) return false;
    Window* topLevel = button.TopLevel();
    if (topLevel == nullptr) return false;
    Window* focus = topLevel->Focus();
    if (focus != nullptr && IsUsablePushButton(*focus)) return focus == &button;
    return ui::DefaultButton(*topLevel) == &button;
}

}  // namespace

PushButton::PushButton(HWND control, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control) {}

void PushButton::draw() {
    Window* model = Model();
    fl_color(colours::Face());
    fl_rectf(x(), y(), w(), h());
    if (model == nullptr) return;
    int line = Density::Line();
    int bx = x(), by = y(), bw = w(), bh = h();
    bool framed = m_mouse.Pressed() || WearsDefaultFrame(*model);
    if (framed) {
        DrawFrame(bx, by, bw, bh, colours::Text(), colours::Text());
        bx += line;
        by += line;
        bw -= 2 * line;
        bh -= 2 * line;
    }
    if (m_mouse.Pressed()) {
        DrawFrame(bx, by, bw, bh, colours::Shadow(), colours::Shadow());
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
